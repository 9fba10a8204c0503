// Rendering and effects.
#pragma once

#include "QernoTypes.h"

// --- DIBs and palettes ---

// A packed DIB is one block: a 40-byte BITMAPINFOHEADER (its first field says 40) or, for any
// other first field, a 12-byte BITMAPCOREHEADER; then the colour table (4-byte entries after an
// info header, 3-byte ones after a core header); then the pixel rows, each DWORD-aligned.
// These read the header as it stands: the caller vouches that the block holds it.
QERNO_API char* QERNO_CALL FindDIBBits(char* dib);
// "Colours used" when the info header gives it (its low 16 bits), else 2, 16 or 256 for 1, 4 and
// 8 bits and 0 for every other depth.
QERNO_API unsigned short QERNO_CALL DIBNumColors(char* dib);
QERNO_API unsigned short QERNO_CALL PaletteSize(char* dib);
QERNO_API unsigned long QERNO_CALL DIBWidth(char* dib);
QERNO_API unsigned long QERNO_CALL DIBHeight(char* dib);

#if defined(_WIN32)
// DIB handles are movable global blocks; every block made here is the caller's to GlobalFree.
// The functions that take a handle refuse a block whose header, colour table or rows do not
// fit inside it, or whose header is neither kind GDI reads the same way, as a lock failure.

// A palette of the DIB's colour table; null for a DIB without one.
QERNO_API HPALETTE QERNO_CALL CreateDIBPalette(void* dib);
QERNO_API HPALETTE QERNO_CALL CreateDIBPalette(char* dib);
// A device-dependent bitmap of the screen's format; the palette, when given, is selected first.
QERNO_API HBITMAP QERNO_CALL DIBToBitmap(void* dib, HPALETTE palette);
// Bits per pixel of at most 1, 4 or 8 become that depth; any more become 24.
QERNO_API void QERNO_CALL InitBitmapInfoHeader(BITMAPINFOHEADER* header, unsigned long width,
                                               unsigned long height, int bitsPerPixel);
// bitsPerPixel 0 keeps the bitmap's own depth; a null palette is the default one. With
// headerOnly the block holds the header and colour table and leaves the rows unread.
QERNO_API void* QERNO_CALL DibFromBitmap(HBITMAP bitmap, unsigned long compression,
                                         unsigned short bitsPerPixel, HPALETTE palette,
                                         int headerOnly);
// Without a DIB, PatBlt of the rectangle with rop; with one, its rows from scan line y1 on.
QERNO_API int QERNO_CALL DibBlt(HDC dc, int x0, int y0, int dx, int dy, void* dib, int x1, int y1,
                                long rop);
// Always 24 bits per pixel.
QERNO_API void* QERNO_CALL BitmapToDIB(HBITMAP bitmap, HPALETTE palette);
#endif

// --- Fountain fill ---

// value brought into [minimum, maximum]: mode 0 wraps to the opposite end, mode 1 treats the
// range as a circle of maximum - minimum + 1 values, any other mode clamps.
QERNO_API int QERNO_CALL GetRoundedValue(int value, int minimum, int maximum, int mode);

#if defined(_WIN32)
// A two-colour gradient of solid bands over rect (logical units, corners in any order): top to
// bottom for direction 90, else left to right. midpoint (0..128) is where the second colour
// peaks, in 128ths back from the far edge. With patternMode the caller's brush paints and each
// band sets the text colour, which a monochrome pattern brush shows in its 0 bits. A null clip
// means the DC's clip box. The DC is left as it was found.
QERNO_API void QERNO_CALL DrawFountainRect(HDC dc, RECT* rect, RECT* clip, int direction,
                                           int midpoint, unsigned long firstColour,
                                           unsigned long secondColour, int patternMode);
#endif

// --- Shade patterns ---

// Widens rows packed rows of width bytes, in place, to rows of width + pad bytes with zeroed
// pads: buffer must hold rows * (width + pad) bytes.
QERNO_API void QERNO_CALL RelaxBits(int width, int pad, int rows, char* buffer);

#if defined(_WIN32)
// An 8 x 8 one-bit bitmap of shade 1..40 (1 is all 0 bits, any other number all 1 bits) with
// overlay 1..7 ORed on and, when rotate is set, turned a quarter counter-clockwise. As a brush
// its 0 bits show the text colour and its 1 bits the background colour. The caller deletes it.
QERNO_API HBITMAP QERNO_CALL GetShadeBitmap(int shade, int overlay, int rotate);
// A pattern brush of that bitmap, or a hollow brush when none can be made; dc is not used.
QERNO_API HBRUSH QERNO_CALL CreateShadePatternBrush(HDC dc, int shade, int overlay, int rotate);
#endif

// --- Sparkle and shimmer ---

// 1 for effect codes 5 to 8, the effects drawn through a clip.
QERNO_API int QERNO_CALL NeedClipEffect(unsigned short effect);

#if defined(_WIN32)
// Both repeat every 1000 time units and keep no state: the host calls again with a later time.
// Stars of arm size (logical units) hop over the corners, or the edge midpoints, of rect.
QERNO_API void QERNO_CALL DrawSparkle(HDC dc, unsigned short type, unsigned long time,
                                      unsigned long colour, RECT* const rect, int size,
                                      int midpoints);
// A bar of whole tiles sweeping across rect: direction 0 left to right and 1 right to left with
// the vertical tile, 2 top to bottom and 3 bottom to top with the horizontal one. The tiles' 0
// bits are painted in colour, their 1 bits leave the picture as it was.
QERNO_API void QERNO_CALL DrawShimmer(HDC dc, unsigned short direction, unsigned long time,
                                      unsigned long colour, RECT* const rect,
                                      HBITMAP horizontalTile, HBITMAP verticalTile);
// The library's two tiles, owned by it from start-up to unload.
QERNO_API HBITMAP QERNO_CALL GetHoriShimmerBmp();
QERNO_API HBITMAP QERNO_CALL GetVertShimmerBmp();
#endif

// --- CMYK colours ---

// The host's colour: four ink levels 0..11 (0 %, 5 %, 10 %, 20 % ... 100 %).
struct COLOR_ITEM {
    WORD cyan : 4;
    WORD magenta : 4;
    WORD yellow : 4;
    WORD black : 4;
};
static_assert(sizeof(COLOR_ITEM) == 2, "a COLOR_ITEM is one 16-bit word");

// The 8-bit ink amount of a level; 255 for a level past 11.
QERNO_API unsigned char QERNO_CALL get_unpack(unsigned char level);
// Replaces each of four levels by its ink amount.
QERNO_API void QERNO_CALL unpackcolor(unsigned char* cyan, unsigned char* magenta,
                                      unsigned char* yellow, unsigned char* black);

#if defined(_WIN32)
// Screen colours (0x02 in the top byte) of ink mixtures through the colour-correction table;
// without the table uncorrected, and each conversion logs that.
QERNO_API unsigned long QERNO_CALL CMYKtoRGB(COLOR_ITEM colour);
// The complement of CMYKtoRGB's colour: a text colour that stands out on it.
QERNO_API unsigned long QERNO_CALL CMYKtoCharRGB(COLOR_ITEM colour);
QERNO_API unsigned long QERNO_CALL CMYKwordtoRGB(unsigned short colour);
QERNO_API void QERNO_CALL _CMYKtoRGB(COLOR_ITEM colour, unsigned char* red, unsigned char* green,
                                     unsigned char* blue);
// cmyk holds black in bits 24-31, cyan 16-23, magenta 8-15 and yellow 0-7 as 8-bit amounts.
QERNO_API void QERNO_CALL CMYKdwordtoRGB(unsigned long cmyk, unsigned char* red,
                                         unsigned char* green, unsigned char* blue);
#endif

#if defined(_WIN32)
// Zeroed local-memory work buffers of size bytes. Both outputs are cleared first; on failure
// (or a size below 0, or a null output) they stay null and the result is 0.
QERNO_API int QERNO_CALL AllocLockLcBuffer(void** handle, char** pointer, int size);
// Unlocks and frees what AllocLockLcBuffer gave and clears both; null ones are skipped.
QERNO_API void QERNO_CALL FreeUnlockLcBuffer(void** handle, char** pointer);
#endif
