#pragma once

#include "core/bootentry.h"
#include "core/util.h"

#include <QList>
#include <QString>

// El Torito boot catalog reading, beside Util::BootExtract (declared in
// core/util.h, implemented in eltorito.cpp).

// Reads the boot record and the boot catalog of an image. On success
// `entries` holds the default entry first, then every section entry in
// catalog order (the platform of each section header is copied into its
// entries). False when the image has no valid boot record or catalog.
bool ReadBootCatalog(const QString& image, QList<BootEntry>& entries);

// Number of 512-byte sectors a boot entry's image occupies (diskette
// emulation types have fixed sizes).
quint32 BootImageSectors(const BootEntry& entry);

// Writes the boot image of `entry` to `output` (truncating an existing file).
// False, with no file left behind, when the image is too short or the output
// cannot be written.
bool ExtractBootImage(const QString& image, const BootEntry& entry, const QString& output);
