// The shipped modules' version resources, as Windows shows them in a file's properties.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::string BesideTests(const char* name) {
    char path[MAX_PATH];
    const std::string self(path, GetModuleFileNameA(nullptr, path, MAX_PATH));
    return self.substr(0, self.find_last_of('\\') + 1) + name;
}

class VersionInfo {
public:
    explicit VersionInfo(const std::string& file) {
        DWORD unused = 0;
        data.resize(GetFileVersionInfoSizeA(file.c_str(), &unused));
        if (!data.empty() && !GetFileVersionInfoA(file.c_str(), 0, data.size(), data.data()))
            data.clear();
    }

    // The text of a key in the block of the first translation listed, as a reader would look.
    std::string Text(const std::string& key) {
        struct Translation {
            WORD language, codePage;
        }* translation = nullptr;
        char block[64];
        char* text = nullptr;
        UINT size = 0;
        if (!Query("\\VarFileInfo\\Translation", &translation, size))
            return "";
        wsprintfA(block, "\\StringFileInfo\\%04x%04x\\", translation->language,
                  translation->codePage);
        return Query(block + key, &text, size) ? std::string(text, size ? size - 1 : 0) : "";
    }

    const VS_FIXEDFILEINFO* Fixed() {
        VS_FIXEDFILEINFO* fixed = nullptr;
        UINT size = 0;
        return Query("\\", &fixed, size) ? fixed : nullptr;
    }

    std::vector<char> data;

private:
    template <class T> bool Query(const std::string& path, T** value, UINT& size) {
        return !data.empty() &&
               VerQueryValueA(data.data(), path.c_str(), reinterpret_cast<void**>(value), &size);
    }
};

TEST(VersionInfo, EveryKindOfShippedModuleNamesTheProductItsVersionAndItself) {
    for (const std::string module :
         {"Qerno.dll", "QernoRes.dll", "plugins\\QernoRadial.dll", "QernoShow.exe"}) {
        SCOPED_TRACE(module);
        VersionInfo info(BesideTests(module.c_str()));
        ASSERT_FALSE(info.data.empty());
        EXPECT_EQ("Qerno", info.Text("ProductName"));
        EXPECT_EQ(module.substr(module.find_last_of('\\') + 1), info.Text("OriginalFilename"));
        EXPECT_EQ(0u, info.Text("ProductVersion").rfind("2.1", 0)) << info.Text("ProductVersion");
        EXPECT_NE("", info.Text("FileDescription"));
        ASSERT_NE(nullptr, info.Fixed());
        EXPECT_EQ(MAKELONG(1, 2), info.Fixed()->dwProductVersionMS);
        EXPECT_EQ(module.rfind(".exe") == std::string::npos ? VFT_DLL : VFT_APP,
                  info.Fixed()->dwFileType);
    }
}

// The library reports its version itself too; its file's resource must not drift from it.
TEST(VersionInfo, LibraryFileVersionIsTheOneItReports) {
    HMODULE library = LoadLibraryA("Qerno.dll");
    ASSERT_NE(nullptr, library);
#if defined(__i386__)
    const char* name = "_Z10GetLumoVerj@4";
#else
    const char* name = "_Z10GetLumoVerj";
#endif
    auto version = reinterpret_cast<unsigned short(WINAPI*)(unsigned int)>(
        reinterpret_cast<void (*)()>(GetProcAddress(library, name)));
    ASSERT_NE(nullptr, version);
    VersionInfo info(BesideTests("Qerno.dll"));
    ASSERT_NE(nullptr, info.Fixed());
    EXPECT_EQ(MAKELONG(version(1), version(0)), info.Fixed()->dwFileVersionMS);
    EXPECT_EQ(MAKELONG(version(3), version(2)), info.Fixed()->dwFileVersionLS);
    FreeLibrary(library);
}

} // namespace
