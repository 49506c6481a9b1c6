// The El Torito reader on mutated images: the input is the image from its
// boot record (sector 17) on. Never a crash; what it extracts has the size
// the entry gives.
#include "image/eltorito.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const QString image =
        QDir::temp().filePath(QStringLiteral("quillon-fuzz-%1.iso").arg(QCoreApplication::applicationPid()));
    static const QString output = image + QStringLiteral(".boot");
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
    return 0;
}
