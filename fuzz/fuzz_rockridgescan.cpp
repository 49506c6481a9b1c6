// The Rock Ridge scan on mutated images: the input is the image from its
// volume descriptors (sector 16) on. Never a crash, and never a link or a
// zisofs file that the bytes do not name: a scan only finds what is there.
// Seeds: small xorriso and genisoimage images with links (and a zisofs
// file), cut after their directory records.
#include "image/rockridgescan.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QDir>
#include <QFile>

#include <cstdint>
#include <cstdlib>

namespace {

// The scratch image of this run, gone when the run ends.
struct Scratch {
    QString image =
        QDir::temp().filePath(QStringLiteral("quillon-fuzz-rr-%1.iso").arg(QCoreApplication::applicationPid()));
    ~Scratch() { QFile::remove(image); }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const Scratch scratch;
    const QByteArray input(reinterpret_cast<const char*>(data), int(size));
    {
        QFile file(scratch.image);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            abort();
        file.write(QByteArray(16 * 2048, '\0'));
        file.write(input);
    }
    const RockRidgeScan scan = ScanRockRidge(scratch.image);
    if (scan.links && !input.contains("SL"))
        abort();
    if (scan.zisofs && !input.contains("ZF") && !input.contains("Z2"))
        abort();
    if ((scan.links || scan.zisofs) && !(scan.rockRidge && input.contains("SP")))
        abort();
    return 0;
}
