#pragma once

#include "runner/xorriso.h"

#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>

class IsoContentTree;
struct IsoEntry;

// What the Rock Ridge tree (read by xorriso) adds to a 7-Zip listing, which
// comes from the Joliet or plain ISO 9660 tree: links and the true size of
// zisofs files.

// "boot\\grub" -> "/boot/grub".
QString IsoPath(const QString& modelName);

struct RockRidgeMerge {
    bool namesMatch = true; // every model entry has a node of the same path
    QStringList zisofs; // model names of zisofs files
};

// Marks links (linkTarget) and gives zisofs files their decompressed size.
RockRidgeMerge MergeRockRidge(IsoContentTree& model, const Xorriso::RockRidgeTree& tree);

// Puts a link in place of whatever 7-Zip made for each (model name, target)
// below `folder`. The names of links that could not be made come back.
QStringList RestoreLinks(const QList<QPair<QString, QString>>& links, const QString& folder);

// Gives the owner write access to every folder below `folder` (links are
// not followed): the working tree is ours, and an image whose folders are
// read-only would otherwise stop every change an ordinary user makes.
void MakeFoldersWritable(const QString& folder);

// The image's first 16 sectors (MBR, GPT, other boot code) hold anything.
bool HasSystemArea(const QString& image);
// The image carries a UDF tree (NSR descriptor after the volume descriptors).
bool HasUdf(const QString& image);

// Where `saved` differs from the model in kinds, sizes or link targets, in
// the user's words; empty when it holds everything the model shows.
QString CompareSavedTree(const IsoEntry& root, const Xorriso::RockRidgeTree& saved);
