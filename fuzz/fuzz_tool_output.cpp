// The progress and log parsers of 7-Zip, the image builder, the recorder, the
// disc reader and the WIM splitter, fed the input as the runner cuts it:
// never a crash, values in range.
#include "burn/discburn.h"
#include "burn/usbplan.h"
#include "image/extractjob.h"
#include "image/isobuild.h"
#include "runner/discreader.h"
#include "runner/isobuilder.h"
#include "runner/outputsplitter.h"
#include "runner/recorder.h"
#include "runner/sevenzip.h"
#include "runner/wimsplitter.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    OutputSplitter splitter;
    QStringList pieces;
    splitter.feed(reinterpret_cast<const char*>(data), qsizetype(size), pieces);
    splitter.flush(pieces);
    ArchiveToolLog archiveLog;
    IsoBuild::OutputLog builderLog;
    auto recorderLog = RecorderLog();
    auto readerLog = ReaderLog();
    for (const QString& piece : qAsConst(pieces)) {
        if (const auto progress = ParseExtractProgress(piece))
            if (progress->percent < 0 || progress->percent > 100)
                abort();
        const int hundredths = IsoBuild::ProgressHundredths(piece);
        if (hundredths < -1 || hundredths > 10000)
            abort();
        if (IsoBuild::ExtentsWritten(piece) < -1)
            abort();
        const int burnt = BurnProgressPercent(piece);
        if (burnt < -1 || burnt > 100)
            abort();
        if (const auto split = ParseSplitProgress(piece))
            if (*split < 0 || *split > 100)
                abort();
        if (ReadAddress(piece) < -1 || ReadEndSectors(piece) < -1)
            abort();
        // A drive line quotes its name; any other line only costs a log-switch check here.
        if (piece.contains(QLatin1Char('\'')))
            if (const auto fields = ParseScanbusFields(piece))
                (void)fields->address.size();
        archiveLog.Feed(piece);
        builderLog.Feed(piece);
        recorderLog.Feed(piece);
        readerLog.Feed(piece);
    }
    // The USB plan reads the whole technical listing: sizes are counts, the sum never wraps.
    const QString whole = pieces.join(QLatin1Char('\n'));
    if (const auto entries =
            whole.contains(QLatin1String("----------")) ? ParseTechnicalListing(whole) : std::nullopt) {
        for (const UsbPlan::ImageEntry& e : *entries)
            if (e.size < 0)
                abort();
        if (UsbPlan::SpaceNeeded(*entries, 32 * 1024) < 0)
            abort();
    }
    if (archiveLog.Reason().count(QLatin1Char('\n')) > 4)
        abort(); // at most four reasons and an ellipsis
    (void)builderLog.ErrorLine();
    (void)recorderLog.detail();
    (void)readerLog.detail();
    return 0;
}
