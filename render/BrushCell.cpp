#include "render/BrushCell.h"

namespace {

constexpr DWORD kRgbPixel = 0xFFFFFF;

// A colour that names a palette entry means what the DC's palette says, which the probe's own DC
// would not.
bool IsRgb(COLORREF colour) {
    return (colour >> 24) == 0;
}

// Solid brushes, hatches painting their gaps, and patterns of 8 pixels or a divisor of 8 repeat
// every 8 pixels. A pattern whose bitmap is gone cannot say how large it was.
bool RepeatsEveryCell(HDC dc, HGDIOBJ brush) {
    LOGBRUSH logical = {};
    if (GetObject(brush, sizeof logical, &logical) != sizeof logical)
        return false;
    switch (logical.lbStyle) {
    case BS_SOLID:
        return IsRgb(logical.lbColor);
    case BS_HATCHED:
        return IsRgb(logical.lbColor) && GetBkMode(dc) == OPAQUE;
    case BS_PATTERN: {
        BITMAP pattern = {};
        return GetObject(reinterpret_cast<HBITMAP>(logical.lbHatch), sizeof pattern, &pattern) ==
                   sizeof pattern &&
               pattern.bmWidth > 0 && pattern.bmHeight > 0 && kCellSize % pattern.bmWidth == 0 &&
               kCellSize % pattern.bmHeight == 0;
    }
    default:
        return false;
    }
}

// The brush painted over two cells side by side, the first with a black text colour and the
// second with a white one, under the DC's background colour and mode; false when GDI refuses.
bool PaintCells(HDC dc, HGDIOBJ brush, DWORD (&pixels)[kCellSize][2 * kCellSize]) {
    BITMAPINFO info = {};
    info.bmiHeader = {
        sizeof info.bmiHeader, 2 * kCellSize, -kCellSize, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HBITMAP section = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    HDC probe = CreateCompatibleDC(nullptr);
    bool painted = false;
    if (section && probe) {
        HGDIOBJ previousBitmap = SelectObject(probe, section);
        // A system that keeps a brush to one DC at a time leaves the probe's own brush in.
        HGDIOBJ previousBrush = SelectObject(probe, brush);
        SetBkColor(probe, GetBkColor(dc));
        SetBkMode(probe, GetBkMode(dc));
        SetTextColor(probe, RGB(0, 0, 0));
        painted = previousBrush && PatBlt(probe, 0, 0, kCellSize, kCellSize, PATCOPY);
        SetTextColor(probe, RGB(255, 255, 255));
        painted = PatBlt(probe, kCellSize, 0, kCellSize, kCellSize, PATCOPY) && painted;
        GdiFlush();
        if (painted)
            for (int y = 0; y < kCellSize; ++y)
                for (int x = 0; x < 2 * kCellSize; ++x)
                    pixels[y][x] =
                        static_cast<const DWORD*>(bits)[y * 2 * kCellSize + x] & kRgbPixel;
        if (previousBrush)
            SelectObject(probe, previousBrush);
        SelectObject(probe, previousBitmap);
    }
    if (probe)
        DeleteDC(probe);
    if (section)
        DeleteObject(section);
    return painted;
}

} // namespace

BrushCell PlainCell() {
    BrushCell cell = {};
    for (auto& row : cell.mask)
        for (DWORD& pixel : row)
            pixel = kRgbPixel;
    cell.plain = true;
    return cell;
}

bool ProbeBrushCell(HDC dc, POINT origin, BrushCell& cell) {
    HGDIOBJ brush = GetCurrentObject(dc, OBJ_BRUSH);
    DWORD pixels[kCellSize][2 * kCellSize] = {};
    if (!IsRgb(GetBkColor(dc)) || !RepeatsEveryCell(dc, brush) || !PaintCells(dc, brush, pixels))
        return false;
    // A pixel that followed the text colour shows the band's; one that did not is the brush's.
    for (int y = 0; y < kCellSize; ++y)
        for (int x = 0; x < kCellSize; ++x) {
            const DWORD onBlack = pixels[y][x], onWhite = pixels[y][x + kCellSize];
            if (onBlack != onWhite && (onBlack != 0 || onWhite != kRgbPixel))
                return false;
            cell.mask[y][x] = onBlack == onWhite ? 0 : kRgbPixel;
            cell.own[y][x] = onBlack == onWhite ? onBlack : 0;
        }
    cell.origin = origin;
    cell.plain = false;
    return true;
}
