#include "image/eltorito.h"

#include "core/trace.h"

#include <QDataStream>
#include <QDebug>
#include <QFile>
#include <QSaveFile>

#include <cstdio>
#include <cstring>
#include <memory>

namespace {

constexpr qint64 SectorSize = 2048;
constexpr qint64 BootRecordPosition = 17 * SectorSize;

quint16 le16(const unsigned char* p)
{
    return quint16(p[0] | (p[1] << 8));
}

quint32 le32(const unsigned char* p)
{
    return quint32(p[0]) | (quint32(p[1]) << 8) | (quint32(p[2]) << 16) | (quint32(p[3]) << 24);
}

BootEntry entryFrom(const unsigned char* e, quint8 platform)
{
    BootEntry entry;
    entry.bootable = e[0] == 0x88;
    entry.platform = platform;
    entry.mediaType = e[1] & 0x0F;
    entry.loadSegment = le16(e + 2);
    entry.sectorCount = le16(e + 6);
    entry.loadRba = le32(e + 8);
    return entry;
}

// Reads and checks the boot record and the validation entry; leaves the
// catalog sector in `catalog`. Writes the same debug lines as BootExtract.
bool readCatalog(QDataStream& stream, char* catalog)
{
    char* buffer = catalog;
    if (Util::Read(stream, BootRecordPosition, SectorSize, buffer) != 0) {
        qCDebug(lcTrace) << "Could not read the file/drive\n";
        return false;
    }
    const auto* b = reinterpret_cast<const unsigned char*>(buffer);
    if (b[0] != 0 || b[6] != 1) {
        qCDebug(lcTrace) << "Invalid boot-record-volume!\n";
        return false;
    }
    if (std::memcmp(buffer + 1, "CD001", 5) != 0 || std::memcmp(buffer + 7, "EL TORITO SPECIFICATION", 23) != 0) {
        qCDebug(lcTrace) << "Invalid signature in boot-record-volume!\n";
        return false;
    }
    const quint32 sector = le32(b + 0x47);
    qCDebug(lcTrace).nospace() << "\nReading boot-catalog from sector " << sector;
    if (Util::Read(stream, qint64(sector) * SectorSize, SectorSize, buffer) != 0) {
        qCDebug(lcTrace) << "Could not read the file/drive ";
        return false;
    }
    if (b[0] != 1 || b[30] != 0x55 || b[31] != 0xAA) {
        qCDebug(lcTrace) << "Invalid validation-entry in boot-catalog!\n";
        return false;
    }
    return true;
}

} // namespace

int Util::Read(QDataStream& stream, qint64 position, qint64 length, char* buffer)
{
    QIODevice* device = stream.device();
    if (!device || position < 0 || !device->seek(position))
        return 25;
    if (length <= 0)
        return 0;
    // Never read past the end of the file: a short image is an error, not a
    // reason to hand over whatever the buffer held.
    if (!device->isSequential() && position + length > device->size()) {
        qCDebug(lcTrace) << "Util::Read error";
        return 232;
    }
    qint64 done = 0;
    while (done < length) {
        const int chunk = int(qMin<qint64>(length - done, 1 << 30));
        const int got = stream.readRawData(buffer + done, chunk);
        if (got <= 0)
            break;
        done += got;
    }
    if (done == length)
        return 0;
    qCDebug(lcTrace) << "Util::Read error";
    return 232;
}

quint32 BootImageSectors(const BootEntry& entry)
{
    switch (entry.mediaType) {
    case 1:
        return 2400;
    case 2:
        return 2880;
    case 3:
        return 5760;
    default:
        return entry.sectorCount;
    }
}

void Util::WriteData(const QString& output, QDataStream& stream, const char* entryBytes)
{
    const auto* e = reinterpret_cast<const unsigned char*>(entryBytes);
    if (e[0] != 0x88) {
        printf("  Boot-Indicator: Not Bootable\n");
        fflush(stdout);
        return;
    }
    printf("  Boot-Indicator: Bootable\n");
    const BootEntry entry = entryFrom(e, 0);
    static const char* const mediaTexts[] = {
        "No emulation\n", "1.2 meg diskette\n", "1.44 meg diskette\n", "2.88 meg diskette\n", "Hard disk (drive 80)\n"};
    qCDebug(lcTrace) << (entry.mediaType < 5 ? mediaTexts[entry.mediaType] : "Unknown\n");
    const quint32 count = BootImageSectors(entry);
    if (count != entry.sectorCount)
        printf("  Sector count to read: %d (%d bytes)\n", int(count), int(count * 512));
    fflush(stdout);

    const qint64 bytes = qint64(count) * 512;
    std::unique_ptr<char[]> buffer(new char[size_t(qMax<qint64>(bytes, 1))]);
    if (Util::Read(stream, qint64(entry.loadRba) * SectorSize, bytes, buffer.get()) != 0)
        return;
    // Replaces an existing file as a whole: a longer old boot image must not
    // leave its tail behind.
    QSaveFile file(output);
    file.setDirectWriteFallback(true);
    if (!file.open(QIODevice::WriteOnly)) {
        qCDebug(lcTrace) << "Util::WriteData can not open file";
        return;
    }
    QDataStream out(&file);
    if (out.writeRawData(buffer.get(), int(bytes)) != int(bytes)) {
        qCDebug(lcTrace) << "WriteData error";
        file.cancelWriting();
    }
    if (!file.commit())
        qCDebug(lcTrace) << "WriteData error";
}

bool Util::BootExtract(const QString& image, const QString& output)
{
    QFile file(image);
    if (!file.open(QIODevice::ReadOnly)) {
        qCDebug(lcTrace) << "Util::BootExtract open file error!";
        return false;
    }
    QDataStream stream(&file);
    char buffer[SectorSize];
    if (!readCatalog(stream, buffer))
        return false;
    Util::WriteData(output, stream, buffer + 32);
    file.close();
    return true;
}

bool ReadBootCatalog(const QString& image, QList<BootEntry>& entries)
{
    entries.clear();
    QFile file(image);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    QDataStream stream(&file);
    char buffer[SectorSize];
    if (!readCatalog(stream, buffer))
        return false;
    const auto* b = reinterpret_cast<const unsigned char*>(buffer);
    entries << entryFrom(b + 32, b[1]);
    // Section headers (0x90, or 0x91 for the last one) each followed by
    // their entries; the catalog may go on in later sectors, but one sector
    // holds 62 entries, more than any real image carries.
    int offset = 64;
    bool last = false;
    while (!last && offset + 32 <= SectorSize) {
        const unsigned char* h = b + offset;
        if (h[0] != 0x90 && h[0] != 0x91)
            break;
        last = h[0] == 0x91;
        const quint8 platform = h[1];
        const int count = le16(h + 2);
        offset += 32;
        for (int i = 0; i < count && offset + 32 <= SectorSize; ++i, offset += 32) {
            const unsigned char* e = b + offset;
            entries << entryFrom(e, platform);
            // Selection-criteria extensions (0x44) belong to the entry before;
            // bit 5 of an extension's second byte says another one follows.
            while (offset + 64 <= SectorSize && (b[offset + 32] == 0x44)) {
                offset += 32;
                if ((b[offset + 1] & 0x20) == 0)
                    break;
            }
        }
    }
    return true;
}

bool ExtractBootImage(const QString& image, const BootEntry& entry, const QString& output)
{
    QFile file(image);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    QDataStream stream(&file);
    const qint64 bytes = qint64(BootImageSectors(entry)) * 512;
    std::unique_ptr<char[]> buffer(new char[size_t(qMax<qint64>(bytes, 1))]);
    if (Util::Read(stream, qint64(entry.loadRba) * SectorSize, bytes, buffer.get()) != 0)
        return false;
    QSaveFile out(output);
    out.setDirectWriteFallback(true);
    if (!out.open(QIODevice::WriteOnly))
        return false;
    if (out.write(buffer.get(), bytes) != bytes) {
        out.cancelWriting();
        out.commit();
        return false;
    }
    return out.commit();
}
