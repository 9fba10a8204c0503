// Monochrome tiles blitted onto a DC the way its binary raster mode and background mode draw:
// opaque, the 1 bits alone in the background colour, or the 0 bits combined in the mode.
#pragma once

#include <windows.h>

// Made for one drawing call, whose tiles may be many: the brush, colours and work bitmap a mode
// needs are set up once and put back when the call ends. The DC's modes and colours must not
// change while it lives.
class TileBlitter {
public:
    explicit TileBlitter(HDC dc);
    ~TileBlitter();
    TileBlitter(const TileBlitter&) = delete;
    TileBlitter& operator=(const TileBlitter&) = delete;

    // The source rectangle at (sourceX, sourceY) stretched onto the box at (x, y); a negative
    // width or height runs the tile the other way.
    void Blit(int x, int y, int width, int height, HDC source, int sourceX, int sourceY,
              int sourceWidth, int sourceHeight);

private:
    enum class Way { None, SetBitsInBackground, Opaque, ClearBitsInMode };

    void ClearBitsInMode(int x, int y, int width, int height, HDC source, int sourceX, int sourceY,
                         int sourceWidth, int sourceHeight);
    // The work DC's bitmap at least as large as the cover; false when it cannot be had.
    bool WorkCovers(int width, int height);

    HDC dc_;
    Way way_ = Way::None;
    DWORD rop_ = 0;
    // The set bits' brush, and the colours it replaced while a blit takes them from it.
    HBRUSH brush_ = nullptr;
    HGDIOBJ previousBrush_ = nullptr;
    COLORREF previousBackground_ = 0;
    COLORREF previousText_ = 0;
    // The picture under a tile in device pixels, for the blits that combine with it.
    HDC work_ = nullptr;
    HBITMAP picture_ = nullptr;
    HGDIOBJ previousPicture_ = nullptr;
    int pictureWidth_ = 0;
    int pictureHeight_ = 0;
};
