#pragma once

#include <QString>
#include <QStringList>

struct IsoEntry;

// Checks of an image's content before the builder runs (the builder's own
// command lines and output are in runner/isobuilder.h).
namespace IsoBuild {

// ISO 9660 and Joliet store a file size in 32 bits: files of 4 GiB or more
// need the builder's large-file switch and are only fully described by UDF.
constexpr qint64 LargeFileBytes = Q_INT64_C(4294967296);

// Image paths (backslash names) of the files below `folder` whose local file
// (or, for an entry of an opened image, its listed size) is LargeFileBytes or
// larger, in tree order.
QStringList LargeFiles(const IsoEntry& folder);

// True when `path` is `folder` or lies inside it (compared as absolute,
// cleaned paths). An image written into its own source folder would take
// itself in.
bool IsInside(const QString& path, const QString& folder);

} // namespace IsoBuild
