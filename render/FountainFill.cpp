#include "QernoGeometry.h"
#include "QernoRender.h"
#include "render/BandCopy.h"
#include "render/FountainBands.h"
#include "render/MappingAxes.h"

namespace {

constexpr COLORREF kRgbBits = 0xFFFFFF; // a COLORREF's top byte is not a colour

RECT ToDevice(HDC dc, const RECT& logical) {
    RECT device = logical;
    LPtoDP(dc, reinterpret_cast<POINT*>(&device), 2);
    SortRect(&device);
    return device;
}

// Brushes start their pattern at the fill's top-left corner, whatever the fill's position.
POINT BrushAlignment(const RECT& device) {
    return {device.left % 8, device.top % 8};
}

// In pattern mode the caller's brush paints and shows the colour in its 0 bits; otherwise a
// brush of the band's own colour does.
void PaintBand(HDC dc, const RECT& band, COLORREF colour, bool patternMode, POINT alignment) {
    if (patternMode) {
        const COLORREF previousText = SetTextColor(dc, colour);
        Rectangle(dc, band.left, band.top, band.right, band.bottom);
        SetTextColor(dc, previousText);
        return;
    }
    HBRUSH brush = CreateSolidBrush(colour);
    UnrealizeObject(brush);
    SetBrushOrgEx(dc, alignment.x, alignment.y, nullptr);
    HGDIOBJ previousBrush = SelectObject(dc, brush);
    Rectangle(dc, band.left, band.top, band.right, band.bottom);
    SelectObject(dc, previousBrush);
    DeleteObject(brush);
}

// Too short, or too few colour steps, for bands: one rectangle in device pixels as bands are.
// The saved DC also takes back the brush origin the solid brush moved.
void PaintSingleColour(HDC dc, const RECT& device, COLORREF colour, bool patternMode) {
    const int saved = SaveDC(dc);
    SetViewDC(dc);
    PaintBand(dc, device, colour, patternMode, BrushAlignment(device));
    RestoreDC(dc, saved);
}

// The caller's brush is realigned to the fill while it is not selected, and its origin put
// back after. Without a clip of the caller's own, bands outside the DC's are not painted.
void PaintBandsOneByOne(HDC dc, const std::vector<PaintedBand>& bands, bool clipGiven,
                        bool patternMode, POINT alignment) {
    HGDIOBJ callersBrush = SelectObject(dc, GetStockObject(NULL_BRUSH));
    UnrealizeObject(callersBrush);
    POINT keptOrigin = {};
    SetBrushOrgEx(dc, alignment.x, alignment.y, &keptOrigin);
    SelectObject(dc, callersBrush);
    for (const PaintedBand& painted : bands)
        if (clipGiven || RectVisible(dc, &painted.rect))
            PaintBand(dc, painted.rect, painted.colour, patternMode, alignment);
    SelectObject(dc, GetStockObject(NULL_BRUSH));
    UnrealizeObject(callersBrush);
    SetBrushOrgEx(dc, keptOrigin.x, keptOrigin.y, nullptr);
    SelectObject(dc, callersBrush);
}

} // namespace

void QERNO_CALL DrawFountainRect(HDC dc, RECT* rect, RECT* clip, int direction, int midpoint,
                                 unsigned long firstColour, unsigned long secondColour,
                                 int patternMode) {
    if (!dc || !rect)
        return;
    const COLORREF first = static_cast<COLORREF>(firstColour) & kRgbBits;
    const COLORREF second = static_cast<COLORREF>(secondColour) & kRgbBits;
    const bool pattern = patternMode != 0;
    const RECT device = ToDevice(dc, *rect);
    const long long width = static_cast<long long>(device.right) - device.left;
    const long long height = static_cast<long long>(device.bottom) - device.top;
    const int steps = ColourSteps(first, second);
    if (steps <= 1 || width <= 4 || height <= 4) {
        PaintSingleColour(dc, device, first, pattern);
        return;
    }

    // A given clip is in the caller's units, so it is converted before the DC goes to pixels.
    RECT deviceClip = clip ? ToDevice(dc, *clip) : RECT{};
    const POINT alignment = BrushAlignment(device);
    BrushCell cell = PlainCell();
    const bool copies = CanCopyBands(dc) && (!pattern || ProbeBrushCell(dc, alignment, cell));
    const PixelView view(dc);
    if (!clip)
        GetClipBox(dc, &deviceClip);

    const bool topToBottom = direction == 90;
    const BandLayout layout = LayOutBands(topToBottom ? height : width, steps);
    const int lastBand = layout.count - 1;
    const int peak = PeakBand(lastBand, midpoint);
    BandWalk walk(device, deviceClip, topToBottom, layout.pitch);
    std::vector<PaintedBand> bands;
    bands.reserve(layout.count);
    int index = 0;
    RECT band = {};
    while (walk.Next(index, band)) {
        const COLORREF colour = BandColour(index, peak, lastBand, first, second);
        bands.push_back({band, pattern ? GetNearestColor(dc, colour) : colour});
    }
    if (copies)
        CopyBands(dc, bands, topToBottom, cell);
    else
        PaintBandsOneByOne(dc, bands, clip != nullptr, pattern, alignment);
}
