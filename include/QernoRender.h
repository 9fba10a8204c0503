// Rendering and effects.
#pragma once

#include "QernoAfx.h"
#include "QernoTypes.h"

// --- DIBs and palettes ---

// A packed DIB is one block: a 40-byte BITMAPINFOHEADER (its first field says 40) or, for any
// other first field, a 12-byte BITMAPCOREHEADER; then the colour table (4-byte entries after an
// info header, 3-byte ones after a core header); then the pixel rows, each DWORD-aligned.
// These read the header as it stands: the caller vouches that the block holds it.
// The address of the pixel rows: past the header and the colour table.
QERNO_API char* QERNO_CALL FindDIBBits(char* dib);
// "Colours used" when the info header gives it (its low 16 bits), else 2, 16 or 256 for 1, 4 and
// 8 bits and 0 for every other depth.
QERNO_API unsigned short QERNO_CALL DIBNumColors(char* dib);
// The colour table's size in bytes: DIBNumColors entries of 4 or 3 bytes.
QERNO_API unsigned short QERNO_CALL PaletteSize(char* dib);
// The width in pixels.
QERNO_API unsigned long QERNO_CALL DIBWidth(char* dib);
// The height field's 32 bits as stored: a top-down DIB's negative height reads as a large number.
QERNO_API unsigned long QERNO_CALL DIBHeight(char* dib);

#if defined(_WIN32)
// DIB handles are movable global blocks; every block made here is the caller's to GlobalFree.
// The functions that take a handle read the block as GDI does: a core header or an info header
// of 40, 108 or 124 bytes, whose colour table has "colours used" entries (else the depth's), and
// whose BI_BITFIELDS masks follow a 40-byte header or lie inside a larger one. They refuse as a
// lock failure a block whose header, masks, colour table or rows do not fit inside it, whose
// masks are 0 or share bits, or whose header is of no kind GDI reads the same way.

// A palette of the DIB's colour table; null for a DIB without one.
// Of a DIB handle.
QERNO_API HPALETTE QERNO_CALL CreateDIBPalette(void* dib);
// Of a packed DIB already in memory, which is not checked.
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
// The target rectangle is x0, y0, dx, dy: an origin and a size, not a RECT. Without a DIB,
// PatBlt of the rectangle with rop; with one, its rows from scan line y1 on.
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
// The horizontal tile.
QERNO_API HBITMAP QERNO_CALL GetHoriShimmerBmp();
// The vertical tile.
QERNO_API HBITMAP QERNO_CALL GetVertShimmerBmp();
#endif

// --- CMYK colours ---

// The host's colour: four ink levels 0..11 (0 %, 5 %, 10 %, 20 % ... 100 %).
struct COLOR_ITEM {
    // The cyan level.
    WORD cyan : 4;
    // The magenta level.
    WORD magenta : 4;
    // The yellow level.
    WORD yellow : 4;
    // The black level.
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
// CMYKtoRGB of a COLOR_ITEM's 16 bits: cyan in the low 4, then magenta, yellow and black.
QERNO_API unsigned long QERNO_CALL CMYKwordtoRGB(unsigned short colour);
// The screen colour's three components; a null output is skipped.
QERNO_API void QERNO_CALL _CMYKtoRGB(COLOR_ITEM colour, unsigned char* red, unsigned char* green,
                                     unsigned char* blue);
// cmyk holds black in bits 24-31, cyan 16-23, magenta 8-15 and yellow 0-7 as 8-bit amounts.
QERNO_API void QERNO_CALL CMYKdwordtoRGB(unsigned long cmyk, unsigned char* red,
                                         unsigned char* green, unsigned char* blue);
#endif

// --- Fancy characters ---

// Styles 0..101 of the fancy table, each an edge tile and a corner tile of 16 x 16 one-bit
// pixels (rows of 2 bytes, bit 7 leftmost). A frame has eight parts: 0 top, 1 right, 2 bottom and
// 3 left edge, then the corners 4 top-right, 5 bottom-right, 6 bottom-left and 7 top-left; part
// p is the style's tile p / 4 turned (p mod 4) quarter turns. The tiles' 1 bits are the motif.
// Every tile, here and in the borders and arrow lines below, is drawn by DrawCharBitmap in the
// DC's colours: with the background mode transparent and R2_COPYPEN, the 1 bits alone, in the
// background colour; opaque, the 1 bits in the background colour and the 0 bits in the text
// colour. The DC's pen and brush are never used.

// The raster operation that does to a source what the binary raster mode does to a pen;
// SRCCOPY for R2_COPYPEN and for any value outside 1..16.
QERNO_API unsigned long QERNO_CALL GetRop3FromRop2(int rop2);

#if defined(_WIN32)
// The 32-byte tile of a style's part, turned; table null means the library's own table, scratch
// null a work buffer of the call's own.
QERNO_API void QERNO_CALL ReadFancyFromBuffer(int style, int part, char* tile, char* scratch,
                                              char* table);
// A style drawn as a sample filling cell, its number centred on it when showNumber is set.
QERNO_API void QERNO_CALL PaintFancyChar(HDC dc, int style, RECT* cell, int unused, int showNumber);
// PaintFancyChar with the caller's table (null: the library's) and two 32-byte work buffers.
QERNO_API void QERNO_CALL PaintFancyChar1(HDC dc, int style, RECT* cell, char* table, char* tile,
                                          char* scratch, int unused, int showNumber);
// memory holds bitmap, a 16 x 16 one-bit bitmap the tiles are loaded into.
QERNO_API void QERNO_CALL PaintFancyChar2(HDC dc, HDC memory, HBITMAP bitmap, int style, RECT* cell,
                                          char* table, char* tile, char* scratch, int unused,
                                          int showNumber);
// A frame of whole tiles of tileWidth x tileHeight around frame, clockwise from the top-left,
// stepping the way the frame's sides run.
QERNO_API void QERNO_CALL PaintFancyChar3(HDC dc, HDC memory, int style, RECT* frame, int tileWidth,
                                          int tileHeight);
// The chooser: styles from firstStyle on in cells of cellWidth x cellHeight, row by row, stepping
// the way the cell's sides point.
QERNO_API void QERNO_CALL PaintAllFancyChars(HWND unused, HDC dc, int firstStyle, int cellWidth,
                                             int cellHeight, RECT* area, int showNumber, int extra);
// Stretches a one-bit source onto (x, y, width, height) as the DC's binary raster mode and
// background mode say: opaque, the 0 bits in the text colour and the 1 bits in the background
// colour, each combined with the picture as the mode combines a pen; transparent with R2_COPYPEN,
// the 1 bits in the background colour and the 0 bits leave the picture as it was; transparent
// in any other mode, the 0 bits combine the text colour with the picture and the 1 bits leave
// it; R2_NOP draws nothing. A negative width or height runs from (x, y) the other way.
QERNO_API void QERNO_CALL DrawCharBitmap(HDC dc, int x, int y, int width, int height, HDC source,
                                         int sourceWidth, int sourceHeight);
#endif

// --- Fancy borders and arrow lines ---

// The distance, rounded down as by intsqrt; dx * dx + dy * dy must fit in 31 bits.
QERNO_API int QERNO_CALL dist_ptpt(POINT a, POINT b);
// The point distance away from `from` towards `towards` (beyond it, or behind `from` when
// negative); `from` itself when the two points coincide.
QERNO_API void QERNO_CALL distline(POINT from, POINT towards, int distance, POINT* out);

#if defined(_WIN32)
// Tiles laid along p1-p2, each turned to the segment's direction on the screen, whatever the
// mapping, and stretched to length along it and thickness across: start tiles over the first
// length, end tiles over the last, middle tiles between. Tiles are one-bit, tileWidth x
// tileHeight, rows of whole bytes from the top, bit 7 of a row's first byte its leftmost pixel.
// A tile's x runs along the line from p1 towards p2 and its y across, the line through the
// tile's middle and its top row on the left of the way from p1 to p2. The colours are
// DrawCharBitmap's: transparent with R2_COPYPEN, the 1 bits in the background colour; opaque,
// the 1 bits in the background colour and the 0 bits in the text colour; the pen, the brush and
// the last argument are not used.
QERNO_API void QERNO_CALL DrawArrowLine(HDC dc, POINT p1, POINT p2, char* startTile,
                                        char* middleTile, char* endTile, int tileWidth,
                                        int tileHeight, int length, int thickness,
                                        unsigned long unused);
// A fancy style along a rectangle (two corners), a line (two points), a closed polygon (count
// points, the last repeating the first) or an open polyline, width units wide.
// Around the rectangle with corners[0] and corners[1] opposite, in whole tiles of width x
// width, clockwise from the top-left corner. The colours are DrawArrowLine's: transparent with
// R2_COPYPEN, the tiles' 1 bits in the background colour; opaque, their 0 bits in the text
// colour as well; the pen and the brush are not used. The other three lay the style along their
// points with DrawArrowLine, in the same colours.
QERNO_API void QERNO_CALL PaintFcRect(HDC dc, POINT* corners, unsigned char width,
                                      unsigned short style);
// Along the line from points[0] to points[1].
QERNO_API void QERNO_CALL PaintFcLine(HDC dc, POINT* points, unsigned char width,
                                      unsigned short style);
// Around the closed polygon.
QERNO_API void QERNO_CALL PaintFcPolygon(HDC dc, POINT* points, unsigned char width,
                                         unsigned short style, int count);
// Along the open polyline.
QERNO_API void QERNO_CALL PaintFcPolyline(HDC dc, POINT* points, unsigned char width,
                                          unsigned short style, int count);
#endif

// --- Gradient-fill plug-ins ---

// A block of size + alignment bytes to free with operator delete; *aligned, when given, the
// first address in it on the alignment (2, 4 or 8; any other leaves the block's start).
QERNO_API void* QERNO_CALL AllocAlignMemory(void** aligned, unsigned long size,
                                            unsigned long alignment);
// The first address from address on the alignment (2, 4 or 8); any other leaves it.
QERNO_API void* QERNO_CALL GetAlignedAddress(void* address, unsigned long alignment);

#if defined(_WIN32)
// The known plug-ins: entry 0 is the built-in "null.dll", the others come from the registry.
// Keys are 0..199; the combo boxes carry them as item data.
class QERNO_API CPlugInManager {
public:
    // The room of each table below: keys and entries alike run below it.
    static constexpr int kMaxEntries = 200;

    CPlugInManager();
    // Scans the current directory's DLLs into the host's profile, loads the registry's
    // entries and fills the combo box comboBoxId of parent with them.
    CPlugInManager(CWnd* parent, unsigned int comboBoxId);
    ~CPlugInManager();
    CPlugInManager(const CPlugInManager&) = delete;
    CPlugInManager& operator=(const CPlugInManager&) = delete;

    // Adds every entry's display name with its key and selects key; the number of entries.
    int QERNO_CALL SetComboBox(CWnd* parent, unsigned int comboBoxId, unsigned int key);
    // A key never loaded gives "null.dll"; a key of 200 or more is taken as key 1.
    CString QERNO_CALL GetPlugInFileName(unsigned int key);
    // Kept for the host; the library does not read it.
    void QERNO_CALL SetBkgndFlag(int flag);
    // What SetBkgndFlag kept; 0 at first.
    int QERNO_CALL GetBkgndFlag();

    // Each entry's DLL file name, null past the last entry.
    CString* m_pFileName[kMaxEntries];
    // Each entry's name for the combo boxes.
    CString* m_pDisplayName[kMaxEntries];
    // Each entry's key.
    int m_nKey[kMaxEntries];
    // The entry index per key.
    int m_nIndexOfKey[kMaxEntries];
    // The number of entries.
    int m_nCount;
    // The flag of SetBkgndFlag.
    int m_nBkgndFlag;
};

// The library's manager, null before start-up.
QERNO_API void QERNO_CALL GetPlugInManager(CPlugInManager*& manager);

// The plug-in's gradient over rect, made once into the caller's cache slot and blitted from it;
// the caller empties the slot when the colours, parameter or plug-in change, and deletes the
// last bitmap. masked keeps the gradient only where the DC's brush shows white.
QERNO_API void QERNO_CALL PlugInDrawFountainRect(HDC dc, RECT* rect, RECT* unusedClip,
                                                 int unusedDirection, int midpoint,
                                                 unsigned long firstColour,
                                                 unsigned long secondColour, int masked,
                                                 unsigned short parameter, CString plugInFile,
                                                 HBITMAP* cache);
// The same at exactly the device size, always blitted from a copy of the cache.
QERNO_API void QERNO_CALL PlugInDrawFountainRect1(HDC dc, RECT* rect, RECT* unusedClip,
                                                  int unusedDirection, int midpoint,
                                                  unsigned long firstColour,
                                                  unsigned long secondColour, int masked,
                                                  unsigned short parameter, CString plugInFile,
                                                  HBITMAP* cache);
#endif

#if defined(_WIN32)
// Zeroed local-memory work buffers of size bytes. Both outputs are cleared first; on failure
// (or a size below 0, or a null output) they stay null and the result is 0.
QERNO_API int QERNO_CALL AllocLockLcBuffer(void** handle, char** pointer, int size);
// Unlocks and frees what AllocLockLcBuffer gave and clears both; null ones are skipped.
QERNO_API void QERNO_CALL FreeUnlockLcBuffer(void** handle, char** pointer);
#endif
