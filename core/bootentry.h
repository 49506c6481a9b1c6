#pragma once

#include <QtGlobal>

// One entry of an El Torito boot catalog, as read from an image and as the
// image builder is asked to make it again.
struct BootEntry {
    bool bootable = false;
    quint8 platform = 0; // 0 x86, 0xEF UEFI (section header's platform)
    quint8 mediaType = 0; // low 4 bits of the media byte
    quint16 loadSegment = 0;
    quint16 sectorCount = 0; // 512-byte units, as stored
    quint32 loadRba = 0; // 2048-byte sectors
};
