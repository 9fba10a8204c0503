// Plug-in fills read back pixel by pixel, with the record the painting test plug-in keeps.
#include "RenderTestSupport.h"
#include "plugins/TestPlugIn.h"
#include "support/LogCapture.h"
#include "support/TestFiles.h"

#include <cstdint>
#include <cstring>
#include <fstream>
#include <utility>

namespace {

typedef void(QERNO_CALL* PlugInFill)(HDC, RECT*, RECT*, int, int, unsigned long, unsigned long, int,
                                     unsigned short, CString, HBITMAP*);
// The second makes its bitmap at the device size and reuses only a cache of that size.
const PlugInFill kExports[] = {PlugInDrawFountainRect, PlugInDrawFountainRect1};
// Colours that read back from the canvas as they are written.
constexpr COLORREF kFirst = 0x800080, kSecond = 0x00FF00, kGround = 0x808080;

// Held for good, so that the record outlives the library's load and free around each call.
const TestPlugInRecord& Record() {
    static const TestPlugInRecord* record =
        reinterpret_cast<QueryTestPlugInFunction>(reinterpret_cast<void (*)()>(
            GetProcAddress(LoadLibraryA("QernoTestPlugIn.dll"), "QueryTestPlugIn")))();
    return *record;
}

void Fill(int exact, HDC dc, RECT rect, HBITMAP* cache, int masked = 0,
          const char* file = "QernoTestPlugIn.dll", COLORREF first = kFirst) {
    kExports[exact](dc, &rect, nullptr, 0, 64, first, kSecond, masked, 0xBEEF, file, cache);
}

// "" when the halves lie over device rectangle r (the two columns at a stretched middle left
// out), white elsewhere.
std::string Halves(const CanvasDC& canvas, RECT r, DWORD first = kFirst, DWORD second = kSecond) {
    const int middle = (r.left + r.right) / 2;
    return Mismatch(canvas, 120, 100, [&](int x, int y) {
        return !PtInRect(&r, {x, y})            ? 0xFFFFFF
               : x == middle - 1 || x == middle ? canvas.At(x, y)
               : x < middle                     ? first
                                                : second;
    });
}

using PlugInDrawing = RenderTest;

// Two units a pixel across and thirty down: the screen's 15 units a pixel ask the first export
// for more rows than the device shows. A warm slot is reused whatever the plug-in and colours;
// the second export paints again for a slot of another size.
TEST_F(PlugInDrawing, PaintsOnceIntoTheSlotAndReusesItAsEachExportRules) {
    for (int exact : {0, 1}) {
        CanvasDC canvas(120, 100);
        HDC dc = canvas.get();
        SetMapMode(dc, MM_ANISOTROPIC);
        SetWindowExtEx(dc, 2, 30, nullptr);
        HBITMAP cache = nullptr;
        const int calls = Record().calls;
        Fill(exact, dc, {20, 300, 220, 1500}, &cache, 0, "QernoTestPlugIn.dll",
             0x01000000 | kFirst);
        const LONG rows = exact ? 40 : 80; // device 100 x 40, screen 13 x 80
        const BITMAPINFOHEADER header = {40, 100, rows, 1, 24, BI_RGB, 300u * rows, 0, 0, 0, 0};
        EXPECT_EQ(0, std::memcmp(&header, &Record().header, sizeof header));
        EXPECT_EQ(40 + header.biSizeImage, Record().blockSize);
        EXPECT_TRUE(Record().first == (0x01000000 | kFirst) && Record().second == kSecond &&
                    Record().parameter == 0xBEEF);

        Fill(exact, dc, {20, 300, 220, 1500}, &cache, 0, "QernoMissing.dll", kGround);
        EXPECT_EQ(calls + 1, Record().calls);
        EXPECT_EQ("", Halves(canvas, {10, 10, 110, 50}));
        canvas.Clear();
        Fill(exact, dc, {40, 1800, 140, 2400}, &cache); // 50 x 20, screen 6 x 40
        EXPECT_EQ(calls + 1 + exact, Record().calls);
        EXPECT_EQ("", Halves(canvas, {20, 60, 70, 80}));
        canvas.Clear();
        SetROP2(dc, R2_NOTCOPYPEN);
        Fill(exact, dc, {40, 1800, 140, 2400}, &cache);
        EXPECT_EQ("", Halves(canvas, {20, 60, 70, 80}, ~kFirst & 0xFFFFFF, ~kSecond & 0xFFFFFF));
        DeleteObject(cache);
    }
}

// The shade's 1 bits lie in column 3 of each 8 from the fill's corner: there the background
// colour replaces the halves.
TEST_F(PlugInDrawing, MaskedModeKeepsTheHalvesUnderTheBrushsZeroBits) {
    for (int exact : {0, 1}) {
        CanvasDC canvas(120, 100);
        HDC dc = canvas.get();
        SetWindowOrgEx(dc, -5, -5, nullptr);
        HBRUSH hatch = CreateShadePatternBrush(dc, 1, 2, 0);
        HGDIOBJ previous = SelectObject(dc, hatch);
        SetBkColor(dc, kGround);
        HBITMAP cache = nullptr;
        Fill(exact, dc, {5, 5, 105, 45}, &cache, 1);
        POINT origin = {};
        LPtoDP(dc, &origin, 1);
        EXPECT_TRUE(origin.x == 5 && GetCurrentObject(dc, OBJ_BRUSH) == hatch) << "as found";
        EXPECT_TRUE(canvas.At(13, 20) == kGround && canvas.At(14, 20) == kFirst &&
                    canvas.At(70, 20) == kSecond && canvas.At(9, 20) == 0xFFFFFF)
            << exact;
        SelectObject(dc, previous);
        DeleteObject(hatch);
        DeleteObject(cache);
    }
}

// Where the caller's stack pointer stands at a call with no arguments.
__attribute__((noinline)) std::uintptr_t StackPointerAtCall() {
    return reinterpret_cast<std::uintptr_t>(__builtin_frame_address(0));
}

// A __cdecl entry leaves its arguments to the caller and a __stdcall one pops them: thousands of
// fills through either, painting or failing, leave the host's stack where it was.
TEST_F(PlugInDrawing, EntriesOfBothConventionsPaintAndLeaveTheStackAsFound) {
    const std::pair<const char*, const char*> conventions[] = {
        {"QernoTestPlugIn.dll", "QernoTestPlugInFails.dll"},
        {"QernoTestPlugInStdcall.dll", "QernoTestPlugInFailsStdcall.dll"}};
    for (const auto& [paints, fails] : conventions) {
        CanvasDC canvas(120, 100);
        // Held here, the library's load and free around each call cost only a count.
        const HMODULE held[] = {LoadLibraryA(paints), LoadLibraryA(fails)};
        const std::uintptr_t stack = StackPointerAtCall();
        for (int fill = 0; fill < 1000; ++fill) {
            HBITMAP cache = nullptr;
            Fill(fill % 2, canvas.get(), {10, 10, 110, 50}, &cache, 0, fill % 3 ? paints : fails);
            DeleteObject(cache);
        }
        EXPECT_EQ(stack, StackPointerAtCall()) << paints;
        EXPECT_EQ("", Halves(canvas, {10, 10, 110, 50})) << paints;
        for (HMODULE plugIn : held)
            FreeLibrary(plugIn);
    }
}

TEST_F(PlugInDrawing, FailingPlugInsAndRefusedArgumentsDrawNothing) {
    const std::string text = TempFilePath("QernoNotADll.dll");
    std::ofstream(text) << "not a library\n";
    for (int exact : {0, 1}) {
        CanvasDC canvas(120, 100);
        HBITMAP warm = nullptr, cache = nullptr;
        Fill(exact, canvas.get(), {10, 10, 110, 50}, &warm);
        canvas.Clear();
        for (const char* file : {"QernoTestPlugInFails.dll", "QernoTestPlugInFailsStdcall.dll",
                                 "QernoTestPlugInNoEntry.dll", "QernoMissing.dll", text.c_str()}) {
            HBITMAP stale = CreateBitmap(4, 4, 1, 24, nullptr); // too small: replaced
            Fill(exact, canvas.get(), {10, 10, 110, 50}, &stale, 0, file);
            EXPECT_EQ(nullptr, stale) << file;
        }
        Fill(exact, canvas.get(), {30, 30, 30, 80}, &warm); // empty
        Fill(exact, canvas.get(), {10, 10, 110, 50}, nullptr);
        Fill(exact, nullptr, {10, 10, 110, 50}, &cache);
        kExports[exact](canvas.get(), nullptr, nullptr, 0, 0, 0, 0, 0, 0, "QernoTestPlugIn.dll",
                        &cache);
        EXPECT_EQ(nullptr, cache);
        EXPECT_EQ(OBJ_BITMAP, GetObjectType(warm)) << "kept through a refusal";
        EXPECT_EQ(0, canvas.CountDrawn());
        DeleteObject(warm);
    }
    DeleteFileA(text.c_str());
}

// Repaints of a slot repeat its fault, but the log names the file and the reason once, until that
// file paints into that slot again.
TEST_F(PlugInDrawing, AFaultIsLoggedOncePerFileAndSlot) {
    LogCapture log("QernoPlugInFaults.log");
    CanvasDC canvas(120, 100);
    const std::string late = TempFilePath("QernoLatePlugIn.dll");
    const std::string missing = "\"" + late + "\" cannot be loaded";
    const struct {
        const char* file;
        std::string reason;
    } kFaults[] = {
        {late.c_str(), missing},
        {"QernoTestPlugInNoEntry.dll", "\"QernoTestPlugInNoEntry.dll\" has no \"GradientFill\""},
        {"QernoTestPlugInFailsStdcall.dll", "\"QernoTestPlugInFailsStdcall.dll\" did not paint"}};
    HBITMAP slot = nullptr, other = nullptr;
    for (const auto& fault : kFaults) {
        for (int exact : {0, 1, 0})
            Fill(exact, canvas.get(), {10, 10, 110, 50}, &slot, 0, fault.file);
        EXPECT_EQ(1, log.Count(fault.reason)) << fault.file;
    }
    Fill(0, canvas.get(), {10, 10, 110, 50}, &other, 0, late.c_str());
    EXPECT_EQ(2, log.Count(missing)) << "another slot";

    char plugIn[MAX_PATH];
    HMODULE module = LoadLibraryA("QernoTestPlugIn.dll");
    GetModuleFileNameA(module, plugIn, sizeof plugIn);
    FreeLibrary(module);
    ASSERT_TRUE(CopyFileA(plugIn, late.c_str(), FALSE));
    Fill(0, canvas.get(), {10, 10, 110, 50}, &slot, 0, late.c_str());
    ASSERT_NE(nullptr, slot);
    DeleteObject(slot);
    slot = nullptr;
    DeleteFileA(late.c_str());
    Fill(0, canvas.get(), {10, 10, 110, 50}, &slot, 0, late.c_str());
    EXPECT_EQ(3, log.Count(missing)) << "forgotten once it painted";
}

} // namespace
