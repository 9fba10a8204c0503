// Loads and unloads the library as a host does, to see what start-up takes and unload gives back.
#include "support/BoxCloser.h"

#include <windows.h>

#include <gtest/gtest.h>

namespace {

class Library {
public:
    Library() : module_(LoadLibraryA("Qerno.dll")) {}
    ~Library() { Unload(); }
    Library(const Library&) = delete;
    Library& operator=(const Library&) = delete;

    bool loaded() const { return module_ != nullptr; }
    void Unload() {
        if (module_)
            FreeLibrary(module_);
        module_ = nullptr;
    }

    // The library exports C++ names; these are their x86_64 spellings.
    int Init(HINSTANCE resources) {
        return Function<int(WINAPI*)(HWND, HINSTANCE)>("_Z12InitQernoDllP6HWND__P11HINSTANCE__")(
            nullptr, resources);
    }
    HINSTANCE ResourceModule() { return Function<HINSTANCE(WINAPI*)()>("_Z16GetRCDllInstancev")(); }
    int StringLoads(unsigned int id) {
        char text[80]; // room for the string asked for
        return Function<int(WINAPI*)(unsigned int, char*, int)>("_Z12GetIDStringBjPci")(
            id, text, sizeof text);
    }
    HBITMAP VerticalShimmer() { return Function<HBITMAP(WINAPI*)()>("_Z17GetVertShimmerBmpv")(); }

private:
    template <class F> F Function(const char* name) {
        FARPROC found = GetProcAddress(module_, name);
        EXPECT_NE(nullptr, found) << name;
        return reinterpret_cast<F>(reinterpret_cast<void (*)()>(found));
    }

    HMODULE module_;
};

bool IsLoaded(const char* module) {
    return GetModuleHandleA(module) != nullptr;
}

TEST(Lifecycle, UnloadWithoutStartUpTouchesNothingOfTheHost) {
    HINSTANCE resources = LoadLibraryA("QernoRes.dll");
    {
        Library library;
        ASSERT_TRUE(library.loaded());
        EXPECT_EQ(nullptr, library.ResourceModule());
    }
    EXPECT_FALSE(IsLoaded("Qerno.dll"));
    EXPECT_TRUE(IsLoaded("QernoRes.dll"));
    FreeLibrary(resources);
}

TEST(Lifecycle, UnloadReleasesTheResourceModuleAndTheBitmaps) {
    Library library;
    ASSERT_EQ(1, library.Init(LoadLibraryA("QernoRes.dll")));
    HBITMAP shimmer = library.VerticalShimmer();
    EXPECT_EQ(OBJ_BITMAP, GetObjectType(shimmer));

    library.Unload();
    EXPECT_FALSE(IsLoaded("QernoRes.dll"));
    EXPECT_EQ(0u, GetObjectType(shimmer));
}

TEST(Lifecycle, MissingTableStopsStartUpWithAnErrorBoxButKeepsTheModule) {
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
        EXPECT_EQ(1, library.StringLoads(11266));
        library.Unload();
        EXPECT_FALSE(IsLoaded(incomplete));
    }
}

// A host may start the library again: another module replaces the first, the same one stays
// held once, and the first start-up's bitmaps do not leak.
TEST(Lifecycle, StartingAgainFreesTheFirstModuleUnlessItIsTheSame) {
    Library library;
    {
        BoxCloser closer;
        EXPECT_EQ(0, library.Init(LoadLibraryA("QernoResNoFancy.dll")));
    }
    HINSTANCE resources = LoadLibraryA("QernoRes.dll");
    EXPECT_EQ(1, library.Init(resources));
    EXPECT_FALSE(IsLoaded("QernoResNoFancy.dll"));

    HBITMAP first = library.VerticalShimmer();
    ASSERT_EQ(1, library.Init(resources));
    EXPECT_EQ(1, library.StringLoads(11266));
    EXPECT_EQ(0u, GetObjectType(first)) << "the first start-up's bitmap leaked";
    EXPECT_EQ(OBJ_BITMAP, GetObjectType(library.VerticalShimmer()));

    library.Unload();
    EXPECT_FALSE(IsLoaded("QernoRes.dll"));
}

} // namespace
