// The listing reader, fed a listing cut by the runner's splitter at reads and
// pauses drawn from the input, must build the same model as from whole lines.
#include "fuzz/listingcuts.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size < 4)
        return 0;
    // The first four bytes draw the cuts, the rest is the tool's output.
    quint32 state = quint32(data[0]) | quint32(data[1]) << 8 | quint32(data[2]) << 16 | quint32(data[3]) << 24;
    state |= 1;
    // The tool writes valid UTF-8 (LC_ALL=C.UTF-8); how Qt's decoder counts
    // the characters of an invalid sequence depends on where it is split.
    const QByteArray raw(reinterpret_cast<const char*>(data + 4), int(size - 4));
    const QByteArray output = ListingCuts::WithoutLineRewrites(QString::fromUtf8(raw).toUtf8());
    std::vector<ListingCuts::Cut> cuts(1 + state % 7);
    for (ListingCuts::Cut& cut : cuts) {
        state ^= state << 13;
        state ^= state >> 17;
        state ^= state << 5;
        cut = {1 + int(state % (state & 0x100 ? 2100 : 40)), (state >> 9) % 3 == 0};
    }
    if (ListingCuts::Uncut(output) != ListingCuts::Delivered(output, cuts))
        abort();
    return 0;
}
