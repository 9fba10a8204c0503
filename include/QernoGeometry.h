// Geometry and drawing: trigonometry, curves, polygons, rectangles, scales, units, rotation.
#pragma once

#include "QernoTypes.h"

// --- Integer trigonometry and polygons ---

// Angles are whole degrees of any value; sines and cosines are scaled by 10000.
// The square root of n rounded down, but up when n + 1 is a perfect square (intsqrt(8) = 3);
// negative n gives 0.
QERNO_API long QERNO_CALL intsqrt(long n);
// The sine of degrees, times 10000.
QERNO_API int QERNO_CALL Lumo_GetSin(int degrees);
// The cosine of degrees, times 10000.
QERNO_API int QERNO_CALL Lumo_GetCos(int degrees);
// x holds the sine and y the cosine: the caller forms the ratio.
QERNO_API POINT QERNO_CALL Lumo_GetTan(int degrees);
// The direction of (x, y) in 0..360, towards +y (clockwise on the screen); just below the
// positive x axis it is 360, not 0.
QERNO_API int QERNO_CALL Lumo_GetAtan(int x, int y);

#if defined(_WIN32)
// Makes logical units device units; the caller restores the DC with RestoreDC(hdc, result).
QERNO_API int QERNO_CALL ChangeDCMap(HDC hdc);
#endif

// Point lists. A closed polygon repeats its first point as its last.
// Copies n points.
QERNO_API void QERNO_CALL CopyPolygon(POINT* destination, POINT* source, int n);
// Reverses the order of n points in place, which turns a polygon's direction round.
QERNO_API void QERNO_CALL ReversePolyDirect(POINT* points, int n);
#if defined(_WIN32)
// Moves the points of a moveable global block of POINTs.
QERNO_API void QERNO_CALL OffsetPoints(HGLOBAL points, int n, int dx, int dy);
#endif
// Moves n points by (dx, dy), each coordinate stopping at the 32-bit range.
QERNO_API void QERNO_CALL _OffsetPoints(POINT* points, int n, int dx, int dy);
// The inclusive bounding box: every side is a coordinate of one of the points.
QERNO_API void QERNO_CALL MakePolyAround(POINT* points, int n, RECT* around);

// Parallel outlines. A positive distance moves a segment to the left of its direction of
// travel on the screen, so a clockwise polygon grows and a counter-clockwise one shrinks.
// Moves the segment a-b across itself by distance, in place.
QERNO_API void QERNO_CALL LineOffset(POINT* a, POINT* b, long distance);
// Moves a closed polygon's n points distance off its edges, in place, corners where edges meet.
QERNO_API void QERNO_CALL PolygonOffset(POINT* points, int distance, int n);
// The open polyline of n points likewise, its ends moved square to the end segments.
QERNO_API void QERNO_CALL PolylineOffset(POINT* points, int distance, int n);

// Orientation and crossing. TriArea gives 1 for a clockwise turn on the screen, -1, or 0.
// Whether inner's bounding box lies inside outer's (n points each), right and bottom strictly.
QERNO_API int QERNO_CALL PolygonInPolygon(POINT* inner, POINT* outer, int n);
// 1 when the polygon turns clockwise on the screen, else 0. Takes the corners without a repeated
// first point: with it, a list that starts at its topmost corner compares that corner with itself
// and gives 0.
QERNO_API int QERNO_CALL PolygonClockWise(POINT* points, int n);
// The turn a-b-c, with c moved 10 * shift units to the left first; products wrap for points
// more than about 46340 apart.
QERNO_API int QERNO_CALL TriArea(POINT a, POINT b, POINT c, int shift);
// 1 when the segments cross or an end of one lies on the other, else 0.
QERNO_API int QERNO_CALL SegmentCross(POINT a1, POINT a2, POINT b1, POINT b2);

// Hit tests.
// Whether p is within tolerance of segment a-b, ends included; a zero-length one is near nothing.
QERNO_API int QERNO_CALL PtNearLine(POINT a, POINT b, POINT p, int tolerance);
// Whether p lies on the segment a-b, ends included, within a small fixed allowance.
QERNO_API int QERNO_CALL PointOnLine(POINT p, POINT a, POINT b);
// Where the line A*x + B*y = C meets the line through p1 and p2: 1 with the point in out, 0 for
// parallel lines.
QERNO_API int QERNO_CALL InsectTwoLinePoint(int A, int B, long C, POINT p1, POINT p2, POINT* out);
// Whether p lies inside the closed polygon of n points or on its boundary.
QERNO_API int QERNO_CALL PtInPolygon(POINT* points, int n, POINT p);
// Whether p lies strictly inside the ellipse that fills bounds; an empty bounds holds nothing.
QERNO_API int QERNO_CALL PtInEllipse(RECT* bounds, POINT p);
// Whether p lies in bounds with its corners rounded; roundness is the corner radius in percent of
// half the shorter side.
QERNO_API int QERNO_CALL PtInRoundCorner(RECT* bounds, int roundness, POINT p);
// Whether p lies in the diamond touching the middles of bounds' sides, edges included.
QERNO_API int QERNO_CALL PtInRhombus(RECT* bounds, POINT p);

// --- Spline curves ---

// Smooth open curves through placed points: a cubic B-spline whose control points are worked
// back from the points, flattened and hit-tested in device pixels whatever the mapping mode.

// Control points Q[0..m] of the padded points E[0..m+1] (device units); m = placed count + 5.
QERNO_API void QERNO_CALL BackCalu(POINT* padded, POINT* control, int m);

// The number of points one segment of four control points flattens into; 0 when degenerate.
QERNO_API long QERNO_CALL GetOneCurvePoint(POINT* control);
// The same with the four control points as coordinates.
QERNO_API long QERNO_CALL _GetOneCurvePoint(long x0, long y0, long x1, long y1, long x2, long y2,
                                            long x3, long y3);

// Whether p (device units) lies within 2 pixels of the flattened segment.
QERNO_API int QERNO_CALL InOneCurve(POINT* control, POINT p);
// The same with the four control points as coordinates.
QERNO_API int QERNO_CALL _InOneCurve(long x0, long y0, long x1, long y1, long x2, long y2, long x3,
                                     long y3, POINT p);

#if defined(_WIN32)
// The flattened curve as a movable block of *count points (logical units) that the caller
// frees with GlobalFree; null with a count of 0 for fewer than two points.
QERNO_API HGLOBAL QERNO_CALL QuickCurve(HDC hdc, POINT* placed, int n, long* count);
// Moves the count points of a QuickCurve block by (dx, dy).
QERNO_API void QERNO_CALL OffsetCurve(HGLOBAL curve, int count, int dx, int dy);
// Draws a QuickCurve block with the current pen; a count beyond the block is cut to it.
QERNO_API void QERNO_CALL DirectDrawCurve(HDC hdc, HGLOBAL curve, int count);

// Hit tests of a logical point: PtInPartCurve gives the 1-based span hit first, or 0.
// Whether p lies within 2 pixels of the curve through the n placed points.
QERNO_API int QERNO_CALL PtInCurve(POINT* placed, int n, POINT p, HDC hdc);
// The 1-based number of the first span that p is near, or 0.
QERNO_API int QERNO_CALL PtInPartCurve(POINT* placed, int n, POINT p, HDC hdc);

// Drawing: with a raster operation and pen, with a raster operation and the selected pen, or
// with the device context as it stands. Two points give a straight line.
// With rop2 and pen, both put back after.
QERNO_API void QERNO_CALL Curve(HDC hdc, POINT* placed, int n, DWORD rop2, HPEN pen);
// With rop2, put back after, and the selected pen.
QERNO_API void QERNO_CALL _Curve(HDC hdc, POINT* placed, int n, DWORD rop2);
// As the device context stands.
QERNO_API void QERNO_CALL __Curve(HDC hdc, POINT* placed, int n);
#endif

// --- Device scales, drawing primitives, rectangles, handles and CRectArray ---

// Rectangle arithmetic. A normalised rectangle has left <= right and top <= bottom. A null
// rectangle, point or output does nothing, and a comparison of one is false (0).
// Normalises rect in place.
QERNO_API void QERNO_CALL SortRect(RECT* rect);
// The four corners: top-left, top-right, bottom-right, bottom-left.
QERNO_API void QERNO_CALL GetRectPoints(RECT* rect, POINT* corners);
// Whether a lies within b, edges included.
QERNO_API BOOL QERNO_CALL IsRect1InRect2(RECT* a, RECT* b);
// 1 equal, 2 a inside b, 3 b inside a, 0 otherwise.
QERNO_API int QERNO_CALL IsRectInRect(RECT* a, RECT* b);
// IsRectInRect's answer when it has one, else 4 when a sorts first, 5 when b does.
QERNO_API int QERNO_CALL CompRect(RECT* a, RECT* b);
// Splits what outer has beyond inner into inner (the full-width band) and outer (the side
// piece); both become empty unless inner shares a corner with outer.
QERNO_API void QERNO_CALL CroppingRect(RECT* inner, RECT* outer);
// When one rectangle holds the other, CroppingRect of the two; otherwise each becomes what it
// has beyond their overlap: its side piece or, when that is empty, its band.
QERNO_API void QERNO_CALL CropRect(RECT* a, RECT* b);

// Selection handles: 0 top-left, then clockwise to 7 left-middle; any other counts modulo 8.
// The handle's position on rect.
QERNO_API void QERNO_CALL RectHandlePos(RECT* rect, POINT* position, int handle);
// Moves the handle of a frame to p: frame[0] is the top-left, frame[1] the bottom-right corner,
// and frame[n] is set to frame[0] to close the list.
QERNO_API void QERNO_CALL SetRectHandlePos(POINT* frame, WORD n, POINT p, int handle);

// Dragging: snap to horizontal, vertical or diagonal; force width:height = a:b.
// Snaps moving to the horizontal, vertical or diagonal through anchor, whichever is nearest.
QERNO_API void QERNO_CALL ShiftLine(POINT* anchor, POINT* moving);
// Moves moving so that the rectangle it spans with anchor keeps the proportionally shorter side;
// a or b of 0 leaves it.
QERNO_API void QERNO_CALL ShiftRect(POINT* anchor, POINT* moving, long a, long b);

// Pen widths count 4 logical units per unit, rounded to whole pixels of the given rate.
// A pen width in logical units, at least one pixel.
QERNO_API long QERNO_CALL GetWide(long width, long rate);
// Whether width pen units are more than size logical units.
QERNO_API BOOL QERNO_CALL IsSizeGreate(long width, long size);

// The first address from address on the alignment (2, 4 or 8); any other leaves it.
QERNO_API void* QERNO_CALL GetAlignedAddress(void* address, int alignment);

// A growable array of normalised, non-empty rectangles, kept by Add sorted by top, left and
// bottom and free of rectangles that lie inside others: the areas to repaint.
class QERNO_API CRectArray {
public:
    CRectArray();
    ~CRectArray();
    CRectArray(const CRectArray&) = delete;
    CRectArray& operator=(const CRectArray&) = delete;

    // Empties the array and frees its block.
    void QERNO_CALL RemoveAll();
    // Closes the gap; an index outside the array is ignored.
    void QERNO_CALL RemoveAt(int index);
    // New places are empty rectangles; growBy, unless -1, sets the spare room of later growths.
    void QERNO_CALL SetSize(int newSize, int growBy = -1);
    // An empty rectangle for an index outside the array.
    RECT QERNO_CALL GetAt(int index) const;
    // The same as GetAt.
    RECT QERNO_CALL operator[](int index) const;
    // Stores rect in place, unsorted; an empty rectangle or an index outside is ignored.
    void QERNO_CALL SetAt(int index, RECT rect);
    // SetAt that first grows the array to reach index.
    void QERNO_CALL SetAtGrow(int index, RECT rect);
    // Normalises rect and inserts it at index, growing the array when index is past its end.
    void QERNO_CALL InsertAt(int index, RECT rect);
    // Adds rect in order, dropping the rectangles it covers; its index, or -1 when it was empty,
    // already covered or memory ran out.
    int QERNO_CALL Add(RECT rect);

    // The movable block that holds the rectangles.
    HGLOBAL m_hData;
    // The number of rectangles.
    int m_nSize;
    // The number the block has room for.
    int m_nMaxSize;
    // How many places a growth adds at least.
    int m_nGrowBy;
};

#if defined(_WIN32)
// Logical units per device pixel, at least 1; the Ex forms take a null DC for the screen.
// Along x.
QERNO_API long QERNO_CALL GetnXRate(HDC dc);
// Along y.
QERNO_API long QERNO_CALL GetnYRate(HDC dc);
// Along x; for the screen at 1440 logical units an inch.
QERNO_API long QERNO_CALL GetnXRateEx(HDC dc);
// Along y; for the screen at 1440 logical units an inch.
QERNO_API long QERNO_CALL GetnYRateEx(HDC dc);
// A logical size rounded to whole vertical pixels, and that number of pixels.
// The size rounded; a null DC is the screen.
QERNO_API long QERNO_CALL GetIntMaxLogicSize(HDC dc, long size);
// The number of whole vertical pixels a logical size rounds to.
QERNO_API long QERNO_CALL GetIntMaxDeviceSize(HDC dc, long size);
// GetWide at the DC's horizontal rate.
QERNO_API long QERNO_CALL GetXWide(HDC dc, long width);
// GetWide at the DC's vertical rate.
QERNO_API long QERNO_CALL GetYWide(HDC dc, long width);

// Lengths along x between device and logical units.
// Device to logical; a null DC gives the length back.
QERNO_API int QERNO_CALL GetLogicLen(HDC dc, int deviceLength);
// Logical to device; a null DC gives the length back.
QERNO_API int QERNO_CALL GetDeviceLen(HDC dc, int logicalLength);
// Pixel mapping with both origins at (0, 0).
QERNO_API void QERNO_CALL SetViewDC(HDC dc);

// Scrolls a window one line towards a dragged point outside its client area.
QERNO_API BOOL QERNO_CALL MoveWin(HWND window, POINT point);

// Rubber bands: hollow rectangles in a binary raster operation, with the current pen.
// By coordinates.
QERNO_API void QERNO_CALL _PatRectLine(HDC dc, int left, int top, int right, int bottom,
                                       DWORD rop2);
// By rectangle.
QERNO_API void QERNO_CALL rcPatRectLine(HDC dc, RECT rect, DWORD rop2);
// By corners.
QERNO_API void QERNO_CALL PatRectLine(HDC dc, POINT topLeft, POINT bottomRight, DWORD rop2);
// Inverts a handle box with a black brush; a second call restores it.
QERNO_API void QERNO_CALL _PatHandle(HDC dc, int x, int y, int halfWidth, int halfHeight);
// Bars exactly deviceWidth / deviceHeight pixels thick at any scale.
// A vertical bar from (x, y), height logical units long.
QERNO_API void QERNO_CALL PatBltVertical(HDC dc, int x, int y, int height, int deviceWidth,
                                         DWORD rop);
// A horizontal bar from (x, y), width logical units long.
QERNO_API void QERNO_CALL PatBltHorizon(HDC dc, int x, int y, int width, int deviceHeight,
                                        DWORD rop);

// A line in the current pen; the current position stays where it was.
QERNO_API void QERNO_CALL DrawLine(HDC dc, POINT from, POINT to);
// The same by coordinates.
QERNO_API void QERNO_CALL _DrawLine(HDC dc, int x1, int y1, int x2, int y2);
// A rectangle in the current pen and brush.
QERNO_API void QERNO_CALL DrawRect(HDC dc, RECT* rect);
// The same by corners.
QERNO_API void QERNO_CALL _DrawRect(HDC dc, POINT topLeft, POINT bottomRight);
// Round rectangles in the current pen and brush. Roundness is the percentage of the shorter
// side the corner ellipse takes.
// By rectangle.
QERNO_API void QERNO_CALL DrawRoundRect(HDC dc, RECT* rect, int roundness);
// By corners[0] and corners[1].
QERNO_API void QERNO_CALL _DrawRoundRect(HDC dc, POINT* corners, int roundness);
// By top-left and bottom-right corner.
QERNO_API void QERNO_CALL __DrawRoundRect(HDC dc, POINT topLeft, POINT bottomRight, int roundness);
// By coordinates.
QERNO_API void QERNO_CALL ___DrawRoundRect(HDC dc, int left, int top, int right, int bottom,
                                           int roundness);
// The corner ellipse the round rectangles use, in logical units: round on the device.
QERNO_API void QERNO_CALL GetRectRoundSize(HDC dc, RECT* rect, int roundness, long* ellipseWidth,
                                           long* ellipseHeight);

// Blits bitmap (selected into source, or into a memory DC when source is null), stretching
// when the sizes differ.
QERNO_API BOOL QERNO_CALL DrawBitmap(HDC dc, RECT* target, HDC source, RECT* sourceRect,
                                     HBITMAP bitmap, HPALETTE palette, DWORD rop);
// The same with the rectangles as origins and sizes; FALSE without a DC or bitmap.
QERNO_API BOOL QERNO_CALL _DrawBitmap(HDC dc, int x, int y, int width, int height, HDC source,
                                      int sourceX, int sourceY, int sourceWidth, int sourceHeight,
                                      HBITMAP bitmap, HPALETTE palette, DWORD rop);

// Zeroed, locked memory blocks; null pointer and null handle on failure.
// Of size bytes of global memory.
QERNO_API void* QERNO_CALL GetGlobalHandleBuffer(HGLOBAL& handle, DWORD size);
// Of size bytes of local memory.
QERNO_API void* QERNO_CALL GetLocalHandleBuffer(HLOCAL& handle, UINT size);
// Of count points of global memory.
QERNO_API POINT* QERNO_CALL GetPointHandleBuffer(HGLOBAL& handle, int count);
// Of count points of local memory.
QERNO_API POINT* QERNO_CALL GetPointLcHandleBuffer(HLOCAL& handle, int count);
#endif

// --- Measure units ---

// Lengths are kept in line units of 1/1440 inch and shown in a measure unit, code 1..10; any
// other code counts as line units. param sizes the relative units: the cell in steps of 5 line
// units in its low word (units 1 and 10), the gap between cells in its high word (unit 10), the
// divisor of 56694.03 line units (unit 9).
constexpr unsigned int kMaxUnitLines = 25000;

// A unit text: optional '-', the digits, '.', three decimals and the terminator. Values beyond
// 2147483.647 are written as that, so 13 bytes always hold it.
constexpr unsigned int kUnitTextSize = 13;
// Room for a unit's name with its terminator.
constexpr unsigned int kMsrNameSize = 16;

// A value in unit as line units, rounded and at most kMaxUnitLines either way.
QERNO_API int QERNO_CALL UnitToLine(float value, WORD unit, DWORD param);
// Line units as a value in unit, to three decimals.
QERNO_API float QERNO_CALL LineToUnit(int lines, WORD unit, DWORD param);
// value as a unit text, rounded to three decimals, into kUnitTextSize bytes.
QERNO_API void QERNO_CALL UnitToUnitStr(float value, char* out);
// The number a text starts with, decimals past the third dropped; 0 for none.
QERNO_API float QERNO_CALL UnitStrToUnit(const char* text);

// Writes the unit's division factors to scheme[1..4] (a 0 ends them; scheme[0] is left alone)
// and returns the major step of a ruler in that unit.
QERNO_API int QERNO_CALL FormUnitSystem(WORD unit, long* scheme);

#if defined(_WIN32)
// The unit's name from the resource module, "Unknown" for a code outside 1..10.
QERNO_API void QERNO_CALL GetMsrNameStr(WORD unit, char* out);
#endif

// --- Bitmap rotation and slant ---

// A fill pattern is 16 x 16 pixels in 32 bytes: two bytes a row from the top, the most
// significant bit leftmost. The quarter turns OR the turned pixels into a target the caller
// has cleared: 90 clockwise on the screen, 270 counter-clockwise.
// A quarter clockwise.
QERNO_API void QERNO_CALL RotateBmp_90(char* target, char* source);
// Half a turn.
QERNO_API void QERNO_CALL RotateBmp_180(char* target, char* source);
// A quarter counter-clockwise.
QERNO_API void QERNO_CALL RotateBmp_270(char* target, char* source);
#if defined(_WIN32)
// Turns a pattern in place by 90, 180 or 270; 0 leaves it and any other angle clears it. A
// null work buffer (32 bytes) is taken from local memory for the call.
QERNO_API void QERNO_CALL RotateBmp(int angle, char* pattern, char* work);
#endif

// One-bit bitmaps of ceil(width / 8) bytes a row, rows from the top, no padding to 4 bytes.
// Angles are whole degrees, clockwise on the screen. The target must hold
// ceil(new width / 8) x new height bytes as rotwh (or slantwh, with the old height) gives them;
// a null out pointer is skipped, a null bitmap leaves only the sizes written, and a width or
// height below 0 counts as 0.
// The size of the bitmap turned by angle.
QERNO_API void QERNO_CALL rotwh(long width, long height, long* newWidth, long* newHeight,
                                long angle);
// Bitmaps wider or higher than kMaxRotatedSide get their size but are not drawn.
constexpr long kMaxRotatedSide = 100000;
// Turns source into target, which it clears first, and writes the new size.
QERNO_API void QERNO_CALL rotate(BYTE* source, long width, long height, BYTE* target,
                                 long* newWidth, long* newHeight, long angle);
// A positive angle leans the bottom to the right, a negative one the top. Angles whose cosine
// is 0 do not lean; obtuse ones lean back, and what leaves the left edge is dropped.
// The width of the bitmap leaned by angle.
QERNO_API void QERNO_CALL slantwh(long width, long height, long* newWidth, long angle);
// Leans source into target, every row written, and writes the new width.
QERNO_API void QERNO_CALL slant(BYTE* source, long width, long height, BYTE* target, long* newWidth,
                                long angle);

// Proportional mapping of the rectangle from onto the rectangle to. When either has a zero
// width or height (or is null) the coordinates are not changed: copied to out, or left in place
// when out is null. GetNewMappingRect does nothing without an out.
// Maps n points, into out or in place.
QERNO_API void QERNO_CALL GetNewMappingPoints(const RECT* from, const RECT* to, int n,
                                              POINT* points, POINT* out);
// Maps one point; the result.
QERNO_API POINT QERNO_CALL GetNewMappingPoint(const RECT* from, const RECT* to, POINT point);
// Maps the two corners of rect into out.
QERNO_API void QERNO_CALL GetNewMappingRect(const RECT* from, const RECT* to, const RECT* rect,
                                            RECT* out);
