#pragma once

#include "image/eltorito.h"
#include "runner/isobuilder.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

struct IsoEntry;

// What an edited image needs from the image it was opened from to boot the
// same way: the volume label and every El Torito entry with its bytes. Read
// once at open, so a later save does not depend on the original file.

struct OriginalBootImage {
    BootEntry entry;
    // The bytes the firmware loads come first; when the image is known to be
    // longer (a loader with a boot info table names its file length, a hard
    // disk image its partition end) the rest follows.
    QByteArray data;
    qint64 loadBytes = 0;
    // The loader carried a valid boot info table (bytes 8..63: primary volume
    // descriptor 16, its own sector, its length and checksum).
    bool infoTable = false;
};

struct ImageBootRecord {
    bool readable = false; // the image file could be read at all
    QString volumeLabel; // primary volume descriptor, trailing blanks cut
    quint32 catalogLba = 0;
    QByteArray catalog; // the catalog's first sector
    QList<OriginalBootImage> images; // empty when the image has no boot record
};

ImageBootRecord ReadImageBoot(const QString& image);

// True when bytes 8..23 of `loader` form a boot info table for a file at
// sector `lba` whose whole content is `file` (which starts with `loader`).
bool ValidBootInfoTable(const QByteArray& file, quint32 lba);

// The model file (backslash path) whose copy below `workingFolder` holds the
// boot image: its leading bytes are the image's, a boot info table at bytes
// 8..63 aside. A file equal to the whole original wins over one that only
// starts the same. Empty when no file of the tree holds it.
QString FindBootImageFile(const OriginalBootImage& image, const IsoEntry& root, const QString& workingFolder);

struct BootRebuildPlan {
    Tools::SaveEditedOptions options; // boot images, catalog, grafted files, label
    QString error; // why the boot entries cannot be made again
};

// Names every boot entry of `original` to the builder: a file of the tree
// where one holds it, otherwise a file written into `ownFolder` and grafted at
// the image's root ("boot.bin" for the default entry).
BootRebuildPlan PlanBootRebuild(
    const ImageBootRecord& original, const IsoEntry& root, const QString& workingFolder, const QString& ownFolder);

// Empty when `saved` carries the same boot entries as `original` (count,
// platforms, emulation, load sizes and segments, bytes apart from a boot info
// table) and its label; otherwise the difference in the user's words.
QString CompareSavedBoot(const ImageBootRecord& original, const QString& saved);
