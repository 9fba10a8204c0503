#include "render/BandCopy.h"

namespace {

// A copy carries the band colours bit for bit only where pixels hold them exactly: no palette,
// no 16-bit rounding, no unusual channel masks. Printers and metafiles record calls, not pixels.
bool HoldsExactColours(HDC dc) {
    switch (GetObjectType(dc)) {
    case OBJ_MEMDC: {
        DIBSECTION section = {};
        const int size = GetObject(GetCurrentObject(dc, OBJ_BITMAP), sizeof section, &section);
        if (size != sizeof(BITMAP) && size != sizeof section)
            return false;
        if (section.dsBm.bmBitsPixel != 24 && section.dsBm.bmBitsPixel != 32)
            return false;
        const DWORD* masks = section.dsBitfields;
        return size == sizeof(BITMAP) || section.dsBmih.biCompression == BI_RGB ||
               (section.dsBmih.biCompression == BI_BITFIELDS && masks[0] == 0xFF0000 &&
                masks[1] == 0xFF00 && masks[2] == 0xFF);
    }
    case OBJ_DC:
        return GetDeviceCaps(dc, TECHNOLOGY) == DT_RASDISPLAY &&
               GetDeviceCaps(dc, BITSPIXEL) * GetDeviceCaps(dc, PLANES) >= 24;
    default:
        return false;
    }
}

// Any other pen outlines every band; without one a Rectangle paints its fill alone, from its
// left and top up to a pixel short of its right and bottom.
bool PaintsWithoutOutline(HDC dc) {
    LOGPEN pen = {};
    return GetObject(GetCurrentObject(dc, OBJ_PEN), sizeof pen, &pen) == sizeof pen &&
           pen.lopnStyle == PS_NULL;
}

} // namespace

bool CanCopyBands(HDC dc) {
    return GetROP2(dc) == R2_COPYPEN && GetGraphicsMode(dc) == GM_COMPATIBLE &&
           GetLayout(dc) == 0 && PaintsWithoutOutline(dc) && HoldsExactColours(dc);
}
