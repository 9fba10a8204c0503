#include "QernoGeometry.h"
#include "QernoLog.h"
#include "QernoRender.h"
#include "render/MappingAxes.h"
#include "render/PlugInCache.h"

#include <set>
#include <string>
#include <utility>

namespace {

// Plug-ins come with either calling convention, so the call must not trust the entry to leave
// the stack as a cdecl or as a stdcall function would.
#if defined(__i386__)
// The frame pointer survives the call in both conventions: the stack is put back from it,
// whether the entry popped its four arguments or left them. noipa keeps the compiler from
// trusting this body's register use at the call site: the entry's is unknown.
__attribute__((naked, noipa)) int __cdecl CallRestoringStack(FARPROC /*entry*/, HGLOBAL /*dib*/,
                                                             COLORREF /*first*/,
                                                             COLORREF /*second*/,
                                                             DWORD /*parameter*/) {
    asm("pushl %ebp\n\t"
        "movl %esp, %ebp\n\t"
        "pushl 24(%ebp)\n\t"
        "pushl 20(%ebp)\n\t"
        "pushl 16(%ebp)\n\t"
        "pushl 12(%ebp)\n\t"
        "call *8(%ebp)\n\t"
        "movl %ebp, %esp\n\t"
        "popl %ebp\n\t"
        "ret");
}
#else
// x86_64 has a single calling convention: both spellings of the entry are the same function.
typedef int (*GradientFillEntry)(HGLOBAL dib, COLORREF first, COLORREF second, DWORD parameter);

int CallRestoringStack(FARPROC entry, HGLOBAL dib, COLORREF first, COLORREF second,
                       DWORD parameter) {
    return reinterpret_cast<GradientFillEntry>(reinterpret_cast<void (*)()>(entry))(
        dib, first, second, parameter);
}
#endif

// Why a plug-in gave no gradient, for the log.
struct PlugInFault {
    enum Kind { kNone, kNotLoaded, kNoEntry, kNotPainted } kind = kNone;
    DWORD loadError = 0;
};

// Non-zero when the plug-in painted every pixel of dib. The library is held only for the call.
int CallGradientFill(HGLOBAL dib, COLORREF first, COLORREF second, DWORD parameter,
                     const char* file, PlugInFault* fault) {
    HMODULE plugIn = LoadLibraryA(file);
    if (reinterpret_cast<UINT_PTR>(plugIn) <= 32) { // handles up to 32 were load errors once
        *fault = {PlugInFault::kNotLoaded, GetLastError()};
        return 0;
    }
    int painted = 0;
    if (FARPROC entry = GetProcAddress(plugIn, "GradientFill")) {
        painted = CallRestoringStack(entry, dib, first, second, parameter);
        if (!painted)
            fault->kind = PlugInFault::kNotPainted;
    } else {
        fault->kind = PlugInFault::kNoEntry;
    }
    FreeLibrary(plugIn);
    return painted;
}

// A slot repainted on every WM_PAINT would repeat its plug-in's fault without end: each fault
// is logged once per file and slot, and forgotten when that pair paints again.
void ReportPlugInFault(const char* file, const HBITMAP* cache, const PlugInFault& fault) {
    static std::set<std::pair<std::string, const HBITMAP*>> reported;
    const auto pair = std::make_pair(std::string(file), cache);
    if (fault.kind == PlugInFault::kNone) {
        reported.erase(pair);
        return;
    }
    if (!reported.insert(pair).second)
        return;
    CSysLog* log = GetSysLog();
    if (!log)
        return;
    switch (fault.kind) {
    case PlugInFault::kNotLoaded:
        log->SysLogSystemError(kLogCateFrame, fault.loadError, "Plug-in \"%s\" cannot be loaded",
                               file);
        break;
    case PlugInFault::kNoEntry:
        log->SysLogError(kLogCateFrame, "Plug-in \"%s\" has no \"GradientFill\" entry\n", file);
        break;
    default:
        log->SysLogError(kLogCateFrame, "Plug-in \"%s\" did not paint its gradient\n", file);
        break;
    }
}

// Only a bitmap's record: GetObject would read a brush or a pen into it as well.
bool ReadBitmapSize(HBITMAP bitmap, FillSize* size) {
    BITMAP record;
    if (!bitmap || GetObjectType(bitmap) != OBJ_BITMAP ||
        !GetObjectA(bitmap, sizeof record, &record))
        return false;
    *size = {record.bmWidth, record.bmHeight};
    return true;
}

// The plug-in's gradient in the screen's format, or null when it did not paint.
HBITMAP PaintGradient(FillSize size, COLORREF first, COLORREF second, WORD parameter,
                      const char* file, PlugInFault* fault) {
    HBITMAP shape = CreateBitmap(size.width, size.height, 1, 24, nullptr);
    if (!shape)
        return nullptr;
    // The header and room for the rows only: the plug-in paints every pixel.
    HGLOBAL dib = DibFromBitmap(shape, BI_RGB, 24, nullptr, 1);
    DeleteObject(shape);
    if (!dib)
        return nullptr;
    HBITMAP gradient = CallGradientFill(dib, first, second, parameter, file, fault)
                           ? DIBToBitmap(dib, nullptr)
                           : nullptr;
    GlobalFree(dib);
    return gradient;
}

// The gradient gives way to the DC's background colour where the caller's brush, drawn white
// on black, comes out black: the background XORed in, ANDed with the brush, XORed out again.
// The outline pen, when kept, is ANDed in black along each rectangle's edge as well.
void MaskWithCallersBrush(HDC dc, HDC memory, FillSize size, bool outlined) {
    HBRUSH background = CreateSolidBrush(GetBkColor(dc));
    // A brush is selected into one DC at a time.
    HGDIOBJ callersBrush = SelectObject(dc, GetStockObject(NULL_BRUSH));
    HGDIOBJ previousPen = SelectObject(memory, GetStockObject(outlined ? BLACK_PEN : NULL_PEN));
    HGDIOBJ previousBrush = SelectObject(memory, background);
    const RECT area = {0, 0, size.width - 1, size.height - 1};

    SetROP2(memory, R2_XORPEN);
    Rectangle(memory, area.left, area.top, area.right, area.bottom);
    SelectObject(memory, callersBrush);
    SetTextColor(memory, RGB(255, 255, 255));
    SetBkColor(memory, RGB(0, 0, 0));
    SetROP2(memory, R2_MASKPEN);
    Rectangle(memory, area.left, area.top, area.right, area.bottom);
    SelectObject(memory, background);
    SetROP2(memory, R2_XORPEN);
    Rectangle(memory, area.left, area.top, area.right, area.bottom);

    SelectObject(memory, previousBrush);
    SelectObject(memory, previousPen);
    DeleteObject(background);
    SelectObject(dc, callersBrush);
}

// Where the two exports differ.
struct Variant {
    CacheRule rule;
    bool minimumFromScreen; // the bitmap is at least the logical rectangle in screen pixels
    bool keepsOnlyReadable; // a new bitmap GetObject cannot read stays out of the slot
    bool stretchesCache;    // plain mode blits the cache itself, stretched
    bool outlinedMask;      // masking keeps the memory DC's pen
};

constexpr Variant kScaled = {CacheRule::kAtLeast, true, true, true, false};
constexpr Variant kExact = {CacheRule::kExactly, false, false, false, true};

void BlitCache(HDC dc, HBITMAP cache, FillSize cached, const RECT& device, FillSize size,
               bool masked, const Variant& variant) {
    HDC memory = CreateCompatibleDC(dc);
    if (!memory)
        return;
    // Both in pixels with origins at 0: unit extents alone would not do in the metric modes.
    const PixelView view(dc);
    const DWORD rop = GetRop3FromRop2(GetROP2(dc));
    if (!masked && variant.stretchesCache) {
        HGDIOBJ previous = SelectObject(memory, cache);
        StretchBlt(dc, device.left, device.top, size.width, size.height, memory, 0, 0, cached.width,
                   cached.height, rop);
        SelectObject(memory, previous);
    } else if (HBITMAP copy = static_cast<HBITMAP>(
                   CopyImage(cache, IMAGE_BITMAP, size.width, size.height, 0))) {
        // Never the cache itself, which LR_COPYRETURNORG may hand back: the mask paints the
        // copy and it is deleted after.
        HGDIOBJ previous = SelectObject(memory, copy);
        if (masked)
            MaskWithCallersBrush(dc, memory, size, variant.outlinedMask);
        BitBlt(dc, device.left, device.top, size.width, size.height, memory, 0, 0, rop);
        SelectObject(memory, previous);
        DeleteObject(copy);
    }
    DeleteDC(memory);
}

void DrawPlugInFill(HDC dc, const RECT* rect, COLORREF first, COLORREF second, bool masked,
                    WORD parameter, const char* file, HBITMAP* cache, const Variant& variant) {
    if (!dc || !rect || !cache)
        return;
    const FillSize minimum = variant.minimumFromScreen
                                 ? ScreenMinimum(*rect, GetnXRateEx(nullptr), GetnYRateEx(nullptr))
                                 : FillSize{0, 0};
    RECT device = *rect;
    LPtoDP(dc, reinterpret_cast<POINT*>(&device), 2);
    SortRect(&device);
    PlugInFill fill;
    if (!SizePlugInFill(device, minimum, &fill))
        return;

    // Whatever colours, parameter or plug-in come now: the caller empties the slot for those.
    FillSize cached;
    bool measured = *cache && ReadBitmapSize(*cache, &cached);
    if (*cache && !(measured && CacheServes(variant.rule, cached, fill.bitmap))) {
        DeleteObject(*cache);
        *cache = nullptr;
    }
    if (!*cache) {
        PlugInFault fault;
        HBITMAP gradient = PaintGradient(fill.bitmap, first, second, parameter, file, &fault);
        ReportPlugInFault(file, cache, fault);
        measured = gradient && ReadBitmapSize(gradient, &cached);
        if (variant.keepsOnlyReadable && gradient && !measured) {
            DeleteObject(gradient);
            gradient = nullptr;
        }
        *cache = gradient;
    }
    if (measured)
        BlitCache(dc, *cache, cached, device, fill.device, masked, variant);
}

} // namespace

// The clip, direction and midpoint are taken as the fountain fill takes them; a plug-in's shape
// is its own.
void QERNO_CALL PlugInDrawFountainRect(HDC dc, RECT* rect, RECT* /*unusedClip*/,
                                       int /*unusedDirection*/, int /*midpoint*/,
                                       unsigned long firstColour, unsigned long secondColour,
                                       int masked, unsigned short parameter, CString plugInFile,
                                       HBITMAP* cache) {
    DrawPlugInFill(dc, rect, firstColour, secondColour, masked != 0, parameter, plugInFile, cache,
                   kScaled);
}

void QERNO_CALL PlugInDrawFountainRect1(HDC dc, RECT* rect, RECT* /*unusedClip*/,
                                        int /*unusedDirection*/, int /*midpoint*/,
                                        unsigned long firstColour, unsigned long secondColour,
                                        int masked, unsigned short parameter, CString plugInFile,
                                        HBITMAP* cache) {
    DrawPlugInFill(dc, rect, firstColour, secondColour, masked != 0, parameter, plugInFile, cache,
                   kExact);
}
