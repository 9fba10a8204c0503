// Loads and unloads the library as a host does, to see what start-up takes and unload gives back.
#include "support/BoxCloser.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>
#include <string>

namespace {

class Library {
public:
    ~Library() { Unload(); }

    void Unload() {
        FreeLibrary(handle);
        handle = nullptr;
    }

    int Init(HINSTANCE resources) {
        return Function<int(WINAPI*)(HWND, HINSTANCE)>("_Z12InitQernoDllP6HWND__P11HINSTANCE__",
                                                       8)(nullptr, resources);
    }
    HINSTANCE ResourceModule() {
        return Function<HINSTANCE(WINAPI*)()>("_Z16GetRCDllInstancev", 0)();
    }
    HBITMAP VerticalShimmer() {
        return Function<HBITMAP(WINAPI*)()>("_Z17GetVertShimmerBmpv", 0)();
    }
    void DrawFountainRect(HDC dc, RECT* rect, int direction) {
        Function<void(WINAPI*)(HDC, RECT*, RECT*, int, int, COLORREF, COLORREF, int)>(
            "_Z16DrawFountainRectP5HDC__P7tagRECTS2_iimmi",
            32)(dc, rect, nullptr, direction, 0, RGB(0, 0, 0), RGB(255, 255, 255), 0);
    }

    HMODULE handle = LoadLibraryA("Qerno.dll");

private:
    // The library exports C++ names; 32-bit ones end in the bytes of arguments they take. A name
    // not found fails the test by the exception, before a null call could crash it.
    template <class F> F Function(std::string name, [[maybe_unused]] int argumentBytes) {
#if defined(_M_IX86) || defined(__i386__)
        name += "@" + std::to_string(argumentBytes);
#endif
        FARPROC found = GetProcAddress(handle, name.c_str());
        if (!found)
            throw std::runtime_error(name + " is not exported");
        return reinterpret_cast<F>(reinterpret_cast<void (*)()>(found));
    }
};

bool IsLoaded(const char* module) {
    return GetModuleHandleA(module) != nullptr;
}

TEST(Lifecycle, UnloadWithoutStartUpTouchesNothingOfTheHost) {
    HINSTANCE resources = LoadLibraryA("QernoRes.dll");
    {
        Library library;
        ASSERT_NE(nullptr, library.handle);
        EXPECT_EQ(nullptr, library.ResourceModule());
    }
    EXPECT_FALSE(IsLoaded("Qerno.dll"));
    EXPECT_TRUE(IsLoaded("QernoRes.dll"));
    FreeLibrary(resources);
}

// A failed start-up keeps its module, and a start-up after it replaces the module.
TEST(Lifecycle, MissingTableStopsStartUpWithAnErrorBoxAndStartingAgainReleasesWhatWasHeld) {
    for (const char* incomplete :
         {"QernoResNoCorrection.dll", "QernoResNoShade.dll", "QernoResNoFancy.dll"}) {
        SCOPED_TRACE(incomplete);
        Library library;
        {
            BoxCloser closer;
            EXPECT_EQ(0, library.Init(LoadLibraryA(incomplete)));
            EXPECT_EQ(1u, closer.titles().size()) << "one error box for the missing table";
        }
        EXPECT_EQ(GetModuleHandleA(incomplete), library.ResourceModule());
        EXPECT_EQ(1, library.Init(LoadLibraryA("QernoRes.dll")));
        EXPECT_FALSE(IsLoaded(incomplete));
    }

    // A host may start the library again: the same module stays held once, and neither start-up's
    // bitmaps outlive what replaces or unloads them.
    Library library;
    HINSTANCE resources = LoadLibraryA("QernoRes.dll");
    ASSERT_EQ(1, library.Init(resources));
    HBITMAP first = library.VerticalShimmer();
    ASSERT_EQ(1, library.Init(resources));
    EXPECT_TRUE(IsLoaded("QernoRes.dll"));
    EXPECT_EQ(0u, GetObjectType(first)) << "the first start-up's bitmap leaked";
    HBITMAP second = library.VerticalShimmer();
    EXPECT_EQ(OBJ_BITMAP, GetObjectType(second));

    library.Unload();
    EXPECT_FALSE(IsLoaded("QernoRes.dll"));
    EXPECT_EQ(0u, GetObjectType(second));
}

// A fill of a screen's size shares its rows with a pool thread, which may come only after the
// fill is done and holds the library while it runs: unloading right after the fill crashes
// nothing, and the library goes once that thread is through.
TEST(Lifecycle, UnloadRightAfterALargeFillWaitsOnlyForItsPoolThread) {
    BITMAPINFO info = {};
    info.bmiHeader = {sizeof info.bmiHeader, 1280, -1024, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    DWORD* pixels = nullptr;
    HBITMAP section = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS,
                                       reinterpret_cast<void**>(&pixels), nullptr, 0);
    HDC dc = CreateCompatibleDC(nullptr);
    HGDIOBJ previous = SelectObject(dc, section);
    SelectObject(dc, GetStockObject(NULL_PEN)); // the fill then writes the section's pixels
    RECT whole = {0, 0, 1280, 1024};
    constexpr DWORD kUnpainted = 0x123456; // no grey of the ramp
    for (int round = 0; round < 20; ++round) {
        std::fill(pixels, pixels + 1280 * 1024, kUnpainted);
        Library library;
        ASSERT_NE(nullptr, library.handle);
        library.DrawFountainRect(dc, &whole, round % 2 ? 90 : 0);
    }
    for (int waited = 0; IsLoaded("Qerno.dll") && waited < 200; ++waited)
        Sleep(10);
    EXPECT_FALSE(IsLoaded("Qerno.dll"));
    // Every row of the ramp was painted before the fill returned.
    EXPECT_EQ(pixels + 1023 * 1280, std::find(pixels, pixels + 1023 * 1280, kUnpainted));
    SelectObject(dc, previous);
    DeleteDC(dc);
    DeleteObject(section);
}

} // namespace
