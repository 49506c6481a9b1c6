#pragma once

#include <QByteArray>
#include <QString>

// A cheap look at an image's own ISO 9660 directory records, without a tool:
// whether its Rock Ridge entries hold symbolic links (SL) or zisofs files (ZF,
// Z2). Only such images need xorriso's reading of the Rock Ridge tree beside
// 7-Zip; every other image is extracted by 7-Zip alone.
struct RockRidgeScan {
    bool complete = false; // every directory was read (an image without ISO 9660 tree counts)
    bool rockRidge = false; // the tree carries System Use entries (SUSP)
    bool links = false;
    bool zisofs = false;

    // xorriso must read the tree: it holds links or zisofs files, or could not be read to its end.
    bool NeedsTree() const { return !complete || links || zisofs; }
};

RockRidgeScan ScanRockRidge(const QString& image);

// Whether a file's first bytes are a zisofs header (version 1 or 2): the file
// is still compressed as the image stores it.
bool IsZisofsHeader(const QByteArray& head);
bool IsZisofsFile(const QString& path);
