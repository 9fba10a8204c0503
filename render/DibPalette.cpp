#include "QernoRender.h"
#include "render/DibBlock.h"
#include "render/DibErrors.h"

namespace {

// The colour table that starts at table, swapped into PALETTEENTRY order, through a movable block
// of 8 + 4 x count bytes: the LOGPALETTE header with its first entry, and one entry spare.
HPALETTE PaletteOfColourTable(const DibHeader& header, const char* table) {
    const unsigned short count = DibColourCount(header);
    if (count == 0)
        return nullptr;
    HGLOBAL block = GlobalAlloc(GHND, 8 + 4 * SIZE_T{count});
    if (!block)
        return nullptr;
    HPALETTE palette = nullptr;
    if (auto* logical = static_cast<LOGPALETTE*>(GlobalLock(block))) {
        logical->palVersion = 0x300;
        logical->palNumEntries = count;
        const size_t entryBytes = header.info ? sizeof(RGBQUAD) : sizeof(RGBTRIPLE);
        const BYTE* entry = reinterpret_cast<const BYTE*>(table);
        PALETTEENTRY* entries = logical->palPalEntry;
        for (unsigned short i = 0; i < count; ++i, entry += entryBytes)
            entries[i] = {entry[2], entry[1], entry[0], 0};
        palette = CreatePalette(logical);
        if (!palette)
            ShowDibError(kDibPaletteError);
        GlobalUnlock(block);
    }
    GlobalFree(block);
    return palette;
}

} // namespace

HPALETTE QERNO_CALL CreateDIBPalette(void* dib) {
    if (!dib)
        return nullptr;
    DibParts parts;
    char* block = LockDib(dib, &parts);
    if (!block)
        return nullptr;
    HPALETTE palette = PaletteOfColourTable(parts.header, block + parts.tableOffset);
    GlobalUnlock(dib);
    return palette;
}

// The table follows the fields the pointer functions' rule reads, whatever the first field says.
HPALETTE QERNO_CALL CreateDIBPalette(char* dib) {
    if (!dib)
        return nullptr;
    const DibHeader header = ReadDibHeader(dib);
    return PaletteOfColourTable(header, dib + (header.info ? kInfoHeaderSize : kCoreHeaderSize));
}
