#include "QernoRender.h"
#include "render/DibBlock.h"
#include "render/DibErrors.h"

namespace {

// The colour table swapped into PALETTEENTRY order, through a movable block of 8 + 4 x count
// bytes: the LOGPALETTE header with its first entry, and one entry spare.
HPALETTE PaletteOfColourTable(const char* dib) {
    const DibHeader header = ReadDibHeader(dib);
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
        const BYTE* entry =
            reinterpret_cast<const BYTE*>(dib) + (header.info ? kInfoHeaderSize : kCoreHeaderSize);
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
    char* block = LockDib(dib);
    if (!block)
        return nullptr;
    HPALETTE palette = PaletteOfColourTable(block);
    GlobalUnlock(dib);
    return palette;
}

HPALETTE QERNO_CALL CreateDIBPalette(char* dib) {
    return dib ? PaletteOfColourTable(dib) : nullptr;
}
