// Loads and unloads the library as a host does, to see what start-up takes and unload gives back.
#include "support/BoxCloser.h"

#include <windows.h>

#include <gtest/gtest.h>

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

} // namespace
