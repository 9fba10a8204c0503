#include "render/TileBlitter.h"

#include "QernoGeometry.h"
#include "QernoRender.h"

#include <climits>
#include <cstdlib>

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

} // namespace

TileBlitter::TileBlitter(HDC dc) : dc_(dc) {
    const int mode = GetROP2(dc);
    const bool opaque = GetBkMode(dc) == OPAQUE;
    if (mode == R2_NOP)
        return;
    rop_ = GetRop3FromRop2(mode);
    if (opaque) {
        way_ = Way::Opaque;
    } else if (mode == R2_COPYPEN) {
        // The 1 bits in the background colour through a brush of it; the 0 bits leave the
        // picture.
        brush_ = CreateSolidBrush(GetBkColor(dc));
        if (!brush_)
            return;
        previousBrush_ = SelectObject(dc, brush_);
        previousBackground_ = SetBkColor(dc, RGB(255, 255, 255));
        previousText_ = SetTextColor(dc, RGB(0, 0, 0));
        way_ = Way::SetBitsInBackground;
    } else {
        work_ = CreateCompatibleDC(dc);
        if (!work_)
            return;
        SetBkColor(work_, GetBkColor(dc));
        SetTextColor(work_, GetTextColor(dc));
        way_ = Way::ClearBitsInMode;
    }
}

TileBlitter::~TileBlitter() {
    if (brush_) {
        SetTextColor(dc_, previousText_);
        SetBkColor(dc_, previousBackground_);
        SelectObject(dc_, previousBrush_);
        DeleteObject(brush_);
    }
    if (picture_) {
        SelectObject(work_, previousPicture_);
        DeleteObject(picture_);
    }
    if (work_)
        DeleteDC(work_);
}

void TileBlitter::Blit(int x, int y, int width, int height, HDC source, int sourceX, int sourceY,
                       int sourceWidth, int sourceHeight) {
    if (width == 0 || height == 0 || sourceWidth <= 0 || sourceHeight <= 0)
        return;
    switch (way_) {
    case Way::None:
        break;
    case Way::SetBitsInBackground:
        StretchBlt(dc_, x, y, width, height, source, sourceX, sourceY, sourceWidth, sourceHeight,
                   kBrushWhereSourceIsSet);
        break;
    case Way::Opaque:
        StretchBlt(dc_, x, y, width, height, source, sourceX, sourceY, sourceWidth, sourceHeight,
                   rop_);
        break;
    case Way::ClearBitsInMode:
        ClearBitsInMode(x, y, width, height, source, sourceX, sourceY, sourceWidth, sourceHeight);
        break;
    }
}

bool TileBlitter::WorkCovers(int width, int height) {
    if (picture_ && width <= pictureWidth_ && height <= pictureHeight_)
        return true;
    const int wider = width > pictureWidth_ ? width : pictureWidth_;
    const int higher = height > pictureHeight_ ? height : pictureHeight_;
    HBITMAP larger = CreateCompatibleBitmap(dc_, wider, higher);
    if (!larger)
        return false;
    HGDIOBJ previous = SelectObject(work_, larger);
    if (picture_)
        DeleteObject(picture_);
    else
        previousPicture_ = previous;
    picture_ = larger;
    pictureWidth_ = wider;
    pictureHeight_ = higher;
    return true;
}

// One blit cannot both keep the picture under the 1 bits and combine the text colour with it
// under the 0 bits, so it takes three in device pixels: D ^ R, masked to the 0 bits, ^ R again.
void TileBlitter::ClearBitsInMode(int x, int y, int width, int height, HDC source, int sourceX,
                                  int sourceY, int sourceWidth, int sourceHeight) {
    const long long right = static_cast<long long>(x) + width;
    const long long bottom = static_cast<long long>(y) + height;
    if (right < INT_MIN || right > INT_MAX || bottom < INT_MIN || bottom > INT_MAX)
        return;
    POINT corners[2] = {{x, y}, {static_cast<LONG>(right), static_cast<LONG>(bottom)}};
    if (!LPtoDP(dc_, corners, 2))
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
    const int saved = SaveDC(dc_);
    if (!saved)
        return;
    SetViewDC(dc_);
    if (WorkCovers(coverWidth, coverHeight)) {
        BitBlt(work_, 0, 0, coverWidth, coverHeight, dc_, cover.x, cover.y, SRCCOPY);
        StretchBlt(work_, corners[0].x - cover.x, corners[0].y - cover.y,
                   static_cast<int>(deviceWidth), static_cast<int>(deviceHeight), source, sourceX,
                   sourceY, sourceWidth, sourceHeight, rop_);
        BitBlt(dc_, cover.x, cover.y, coverWidth, coverHeight, work_, 0, 0, SRCINVERT);
        {
            MonochromeColours colours(dc_, RGB(255, 255, 255), RGB(0, 0, 0));
            StretchBlt(dc_, corners[0].x, corners[0].y, static_cast<int>(deviceWidth),
                       static_cast<int>(deviceHeight), source, sourceX, sourceY, sourceWidth,
                       sourceHeight, SRCAND);
        }
        BitBlt(dc_, cover.x, cover.y, coverWidth, coverHeight, work_, 0, 0, SRCINVERT);
    }
    RestoreDC(dc_, saved);
}

void QERNO_CALL DrawCharBitmap(HDC dc, int x, int y, int width, int height, HDC source,
                               int sourceWidth, int sourceHeight) {
    // A negative width or height runs the tile the other way: upright where a mapping turns that
    // axis round.
    if (!dc || !source || width == 0 || height == 0 || sourceWidth <= 0 || sourceHeight <= 0)
        return;
    TileBlitter(dc).Blit(x, y, width, height, source, 0, 0, sourceWidth, sourceHeight);
}
