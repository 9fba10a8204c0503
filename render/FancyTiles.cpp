#include "render/FancyTiles.h"

#include "QernoGeometry.h"
#include "QernoRender.h"
#include "render/FancyLayout.h"
#include "render/ResourceTable.h"

#include <climits>
#include <cstdlib>
#include <cstring>

bool FancyTableLoaded() {
    return FancyTable().m_hGlobal != nullptr;
}

char* LockFancyTable() {
    CGlobalBlock& table = FancyTable();
    return table.Lock() ? static_cast<char*>(table.m_pData) : nullptr;
}

void UnlockFancyTable() {
    FancyTable().Unlock();
}

std::size_t FancyTableSize(const char* table) {
    const CGlobalBlock& own = FancyTable();
    if (table && table == own.m_pData)
        return GlobalSize(own.m_hGlobal);
    return kFancyTableSizeUnknown;
}

bool ReadFancyTile(int style, int part, char* tile, char* scratch, char* table) {
    if (!tile)
        return false;
    const bool ownTable = !table;
    if (ownTable)
        table = LockFancyTable();
    const char* record = FancyTileRecord(table, FancyTableSize(table), style, part);
    if (record) {
        std::memcpy(tile, record, kFancyTileBytes);
        RotateBmp(FancyPartTileOf(style, part).turn, tile, scratch);
    }
    if (ownTable && table)
        UnlockFancyTable();
    return record != nullptr;
}

void QERNO_CALL ReadFancyFromBuffer(int style, int part, char* tile, char* scratch, char* table) {
    ReadFancyTile(style, part, tile, scratch, table);
}

namespace {

constexpr DWORD kBrushWhereSourceIsSet = 0x00E20746; // the brush where the source is 1, else D

// A monochrome source's 1 bits become the target's background colour and its 0 bits its text
// colour; these are set for one blit and restored after it.
class MonochromeColours {
public:
    MonochromeColours(HDC dc, COLORREF background, COLORREF text)
        : dc_(dc), background_(SetBkColor(dc, background)), text_(SetTextColor(dc, text)) {}
    ~MonochromeColours() {
        SetTextColor(dc_, text_);
        SetBkColor(dc_, background_);
    }
    MonochromeColours(const MonochromeColours&) = delete;
    MonochromeColours& operator=(const MonochromeColours&) = delete;

private:
    HDC dc_;
    COLORREF background_;
    COLORREF text_;
};

// The 1 bits in the background colour through a brush of it; the 0 bits leave the picture.
void StretchSetBitsInBackground(HDC dc, int x, int y, int width, int height, HDC source,
                                int sourceWidth, int sourceHeight) {
    HBRUSH brush = CreateSolidBrush(GetBkColor(dc));
    if (!brush)
        return;
    HGDIOBJ previous = SelectObject(dc, brush);
    {
        MonochromeColours colours(dc, RGB(255, 255, 255), RGB(0, 0, 0));
        StretchBlt(dc, x, y, width, height, source, 0, 0, sourceWidth, sourceHeight,
                   kBrushWhereSourceIsSet);
    }
    SelectObject(dc, previous);
    DeleteObject(brush);
}

// One blit cannot both keep the picture under the 1 bits and combine the text colour with it
// under the 0 bits, so it takes three in device pixels: D ^ R, masked to the 0 bits, ^ R again.
void StretchClearBitsInMode(HDC dc, int x, int y, int width, int height, HDC source,
                            int sourceWidth, int sourceHeight, DWORD rop) {
    const long long right = static_cast<long long>(x) + width;
    const long long bottom = static_cast<long long>(y) + height;
    if (right < INT_MIN || right > INT_MAX || bottom < INT_MIN || bottom > INT_MAX)
        return;
    POINT corners[2] = {{x, y}, {static_cast<LONG>(right), static_cast<LONG>(bottom)}};
    if (!LPtoDP(dc, corners, 2))
        return;
    // A mapping that flips an axis mirrors the tile, and a mirrored blit covers the pixels from
    // the far corner's plus one to the near corner's; the work bitmap covers those upright.
    const long long deviceWidth = static_cast<long long>(corners[1].x) - corners[0].x;
    const long long deviceHeight = static_cast<long long>(corners[1].y) - corners[0].y;
    if (deviceWidth == 0 || deviceHeight == 0 || std::llabs(deviceWidth) > INT_MAX ||
        std::llabs(deviceHeight) > INT_MAX)
        return;
    const int coverWidth = static_cast<int>(std::llabs(deviceWidth));
    const int coverHeight = static_cast<int>(std::llabs(deviceHeight));
    const POINT cover = {deviceWidth < 0 ? corners[1].x + 1 : corners[0].x,
                         deviceHeight < 0 ? corners[1].y + 1 : corners[0].y};
    const int saved = SaveDC(dc);
    if (!saved)
        return;
    SetViewDC(dc);
    HDC work = CreateCompatibleDC(dc);
    HBITMAP picture = work ? CreateCompatibleBitmap(dc, coverWidth, coverHeight) : nullptr;
    if (picture) {
        HGDIOBJ previous = SelectObject(work, picture);
        SetBkColor(work, GetBkColor(dc));
        SetTextColor(work, GetTextColor(dc));
        BitBlt(work, 0, 0, coverWidth, coverHeight, dc, cover.x, cover.y, SRCCOPY);
        StretchBlt(work, corners[0].x - cover.x, corners[0].y - cover.y,
                   static_cast<int>(deviceWidth), static_cast<int>(deviceHeight), source, 0, 0,
                   sourceWidth, sourceHeight, rop);
        BitBlt(dc, cover.x, cover.y, coverWidth, coverHeight, work, 0, 0, SRCINVERT);
        {
            MonochromeColours colours(dc, RGB(255, 255, 255), RGB(0, 0, 0));
            StretchBlt(dc, corners[0].x, corners[0].y, static_cast<int>(deviceWidth),
                       static_cast<int>(deviceHeight), source, 0, 0, sourceWidth, sourceHeight,
                       SRCAND);
        }
        BitBlt(dc, cover.x, cover.y, coverWidth, coverHeight, work, 0, 0, SRCINVERT);
        SelectObject(work, previous);
        DeleteObject(picture);
    }
    if (work)
        DeleteDC(work);
    RestoreDC(dc, saved);
}

} // namespace

void QERNO_CALL DrawCharBitmap(HDC dc, int x, int y, int width, int height, HDC source,
                               int sourceWidth, int sourceHeight) {
    // A negative width or height runs the tile the other way: upright where a mapping turns that
    // axis round.
    if (!dc || !source || width == 0 || height == 0 || sourceWidth <= 0 || sourceHeight <= 0)
        return;
    const int mode = GetROP2(dc);
    const bool opaque = GetBkMode(dc) == OPAQUE;
    if (mode == R2_NOP)
        return;
    if (mode == R2_COPYPEN && !opaque)
        StretchSetBitsInBackground(dc, x, y, width, height, source, sourceWidth, sourceHeight);
    else if (opaque)
        StretchBlt(dc, x, y, width, height, source, 0, 0, sourceWidth, sourceHeight,
                   GetRop3FromRop2(mode));
    else
        StretchClearBitsInMode(dc, x, y, width, height, source, sourceWidth, sourceHeight,
                               GetRop3FromRop2(mode));
}
