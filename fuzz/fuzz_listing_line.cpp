// One table line of a listing: never a crash, and what reaches the model is
// a clean path (no empty, "." or ".." component) in the right column.
#include "image/isocontent.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QString line = QString::fromUtf8(reinterpret_cast<const char*>(data), int(size));
    const std::optional<ListingRow> entry = ParseListingLine(line);
    if (!entry)
        return 0;
    if (entry->name.isEmpty() || entry->sizeText.size() > 12 || entry->dateText.size() != 19)
        abort();
    IsoContentTree tree;
    if (!tree.AddEntry(EntryFromListing(ListingRow(*entry))))
        return 0;
    const IsoEntry* added = tree.FindEntry(IsoContentTree::NormalizeName(entry->name));
    if (!added || added->isDir != entry->isDir)
        abort();
    for (const QString& part : added->name.split(QLatin1Char('\\')))
        if (part.isEmpty() || part == QLatin1String(".") || part == QLatin1String(".."))
            abort();
    return 0;
}
