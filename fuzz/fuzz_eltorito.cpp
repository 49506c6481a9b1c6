// The El Torito reader on mutated images: the input is the image from its
// boot record (sector 17) on. Never a crash; what it extracts has the size
// the entry gives. And on a catalog laid out here from the input's bytes,
// the reader finds exactly the entries written, extensions skipped.
#include "image/eltorito.h"

#include "catalogwriter.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cstdint>
#include <cstdlib>

namespace {

// The scratch image of this run, gone when the run ends.
struct Scratch {
    QString image =
        QDir::temp().filePath(QStringLiteral("quillon-fuzz-%1.iso").arg(QCoreApplication::applicationPid()));
    QString output = image + QStringLiteral(".boot");
    ~Scratch()
    {
        QFile::remove(image);
        QFile::remove(output);
    }
};

struct Bytes {
    const uint8_t* data;
    size_t size;
    size_t at = 0;
    quint32 next(int count = 1)
    {
        quint32 v = 0;
        for (int i = 0; i < count; ++i)
            v = (v << 8) | (at < size ? data[at++] : 0u);
        return v;
    }
};

BootEntry entryFrom(Bytes& in)
{
    BootEntry e;
    e.bootable = in.next() & 1;
    e.mediaType = quint8(in.next() & 0x0F);
    e.loadSegment = quint16(in.next(2));
    e.sectorCount = quint16(in.next(2));
    e.loadRba = in.next(4);
    return e;
}

bool same(const BootEntry& a, const BootEntry& b)
{
    return a.bootable == b.bootable && a.platform == b.platform && a.mediaType == b.mediaType
        && a.loadSegment == b.loadSegment && a.sectorCount == b.sectorCount && a.loadRba == b.loadRba;
}

void readsWhatWasWritten(const uint8_t* data, size_t size, const QString& image)
{
    Bytes in {data, size};
    const quint8 platform = quint8(in.next());
    QList<BootEntry> expected {entryFrom(in)};
    expected.first().platform = platform;
    QList<CatalogWriter::Section> sections;
    // At most 3 x 3 entries with 2 extensions each: always within one sector.
    for (int s = int(in.next() % 4); s > 0; --s) {
        CatalogWriter::Section section;
        section.platform = quint8(in.next());
        for (int n = 1 + int(in.next() % 3); n > 0; --n) {
            BootEntry e = entryFrom(in);
            e.platform = section.platform;
            section.entries << e;
            section.extensions << int(in.next() % 3);
            expected << e;
        }
        sections << section;
    }
    {
        QFile file(image);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            abort();
        file.write(CatalogWriter::Image(platform, expected.first(), sections));
    }
    QList<BootEntry> read;
    if (!ReadBootCatalog(image, read) || read.size() != expected.size())
        abort();
    for (int i = 0; i < read.size(); ++i)
        if (!same(read[i], expected[i]))
            abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const Scratch scratch;
    const QString& image = scratch.image;
    const QString& output = scratch.output;
    {
        QFile file(image);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            abort();
        file.write(QByteArray(17 * 2048, '\0'));
        file.write(reinterpret_cast<const char*>(data), qint64(size));
    }
    QList<BootEntry> entries;
    if (ReadBootCatalog(image, entries)) {
        if (entries.isEmpty())
            abort();
        // Large boot images would only slow the run down.
        const BootEntry& first = entries.first();
        if (quint64(first.loadRba) * 2048 < 17 * 2048 + size && BootImageSectors(first) < 4096) {
            if (ExtractBootImage(image, first, output)
                && QFileInfo(output).size() != qint64(BootImageSectors(first)) * 512)
                abort();
            QFile::remove(output);
        }
    }
    readsWhatWasWritten(data, size, image);
    return 0;
}
