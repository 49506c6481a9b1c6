#pragma once

// Writes a small image holding only an El Torito boot record and a catalog
// laid out from a list of sections, for checking the reader against
// catalogs whose every entry is known.

#include "core/bootentry.h"

#include <QByteArray>
#include <QList>

#include <cstring>

namespace CatalogWriter {

struct Section {
    quint8 platform = 0;
    QList<BootEntry> entries;
    QList<int> extensions; // selection-criteria records after each entry
};

inline void put16(QByteArray& d, int at, quint16 v)
{
    d[at] = char(v & 0xFF);
    d[at + 1] = char(v >> 8);
}

inline void put32(QByteArray& d, int at, quint32 v)
{
    for (int i = 0; i < 4; ++i)
        d[at + i] = char((v >> (8 * i)) & 0xFF);
}

inline void putEntry(QByteArray& d, int at, const BootEntry& e)
{
    d[at] = char(e.bootable ? 0x88 : 0x00);
    d[at + 1] = char(e.mediaType & 0x0F);
    put16(d, at + 2, e.loadSegment);
    put16(d, at + 6, e.sectorCount);
    put32(d, at + 8, e.loadRba);
}

// Sector 17 the boot record, sector 18 the catalog. Sections must fit one
// sector (62 records after the validation and default entries).
inline QByteArray Image(quint8 platform, const BootEntry& initial, const QList<Section>& sections)
{
    QByteArray image(19 * 2048, '\0');
    QByteArray record(2048, '\0');
    record[6] = 1;
    std::memcpy(record.data() + 1, "CD001", 5);
    std::memcpy(record.data() + 7, "EL TORITO SPECIFICATION", 23);
    put32(record, 0x47, 18);
    image.replace(17 * 2048, 2048, record);

    QByteArray c(2048, '\0');
    c[0] = 1;
    c[1] = char(platform);
    c[30] = char(0x55);
    c[31] = char(0xAA);
    putEntry(c, 32, initial);
    int at = 64;
    for (int s = 0; s < sections.size(); ++s) {
        const Section& section = sections[s];
        c[at] = char(s + 1 == sections.size() ? 0x91 : 0x90);
        c[at + 1] = char(section.platform);
        put16(c, at + 2, quint16(section.entries.size()));
        at += 32;
        for (int i = 0; i < section.entries.size(); ++i) {
            putEntry(c, at, section.entries[i]);
            at += 32;
            const int extensions = section.extensions.value(i);
            for (int k = 0; k < extensions; ++k, at += 32) {
                c[at] = char(0x44);
                c[at + 1] = char(k + 1 < extensions ? 0x20 : 0x00); // bit 5: another follows
            }
        }
    }
    image.replace(18 * 2048, 2048, c);
    return image;
}

} // namespace CatalogWriter
