// The plug-in manager on the test prefix's registry and the library's profile.
#include "RenderTestSupport.h"
#include "support/MediaFiles.h"
#include "support/TestFiles.h"

#include <algorithm>
#include <array>

namespace {

constexpr char kShadeKey[] = "SoftWare\\Brelvik\\Brelvik Lumo Studio\\2.1\\Shade";
constexpr char kScan[] = "Gradient Fill PlugIns";

// Shade0, Shade1, ... as key, display name, file, then a start-up loads them.
CPlugInManager* StartWithList(std::initializer_list<std::array<std::string, 3>> list) {
    RegDeleteTreeA(HKEY_LOCAL_MACHINE, kShadeKey);
    int number = 0;
    for (const auto& [key, name, file] : list) {
        const std::string entry = kShadeKey + std::string("\\Shade") + std::to_string(number++);
        const DWORD value = std::stoul(key);
        RegSetKeyValueA(HKEY_LOCAL_MACHINE, entry.c_str(), "Key", REG_DWORD, &value, 4);
        RegSetKeyValueA(HKEY_LOCAL_MACHINE, entry.c_str(), "DisplayName", REG_SZ, name.c_str(),
                        static_cast<DWORD>(name.size() + 1));
        RegSetKeyValueA(HKEY_LOCAL_MACHINE, entry.c_str(), "FileName", REG_SZ, file.c_str(),
                        static_cast<DWORD>(file.size() + 1));
    }
    InitQernoDll(nullptr, LoadLibraryA("QernoRes.dll"));
    CPlugInManager* manager = nullptr;
    GetPlugInManager(manager);
    return manager;
}

struct PlugInManagerTest : RenderTest {
    void TearDown() override { StartWithList({}); }
    ~PlugInManagerTest() override { DestroyWindow(parent_); }

    // A host's window with combo box 101; the items as "text=key", the selected one with '*'.
    HWND parent_ = CreateWindowA("STATIC", "", 0, 0, 0, 99, 99, nullptr, nullptr, nullptr, nullptr);
    HWND combo_ = CreateWindowA("COMBOBOX", "", WS_CHILD | CBS_DROPDOWNLIST, 0, 0, 99, 99, parent_,
                                reinterpret_cast<HMENU>(101), nullptr, nullptr);
    std::string Items() {
        std::string items;
        for (LRESULT i = 0; i < SendMessageA(combo_, CB_GETCOUNT, 0, 0); ++i) {
            char text[300] = ""; // longer than any item
            SendMessageA(combo_, CB_GETLBTEXT, i, reinterpret_cast<LPARAM>(text));
            items += (i == SendMessageA(combo_, CB_GETCURSEL, 0, 0) ? "*" : "") +
                     std::string(text) + "=" +
                     std::to_string(SendMessageA(combo_, CB_GETITEMDATA, i, 0)) + " ";
        }
        SendMessageA(combo_, CB_RESETCONTENT, 0, 0);
        return items;
    }
    const std::string none_ = ResourceString(11267) + "=0 ";
};

// A key the list lacks selects the built-in entry; a name over 260 bytes ends the list, one
// over 127 is cut; a file name is looked up by key.
TEST_F(PlugInManagerTest, StartUpLoadsTheListUpToItsFirstIncompleteEntryIntoTheComboBox) {
    CPlugInManager* manager = StartWithList({{"1", std::string(200, 'h'), "QernoTestPlugIn.dll"},
                                             {"9", "Nine", "nine.dll"},
                                             {"4", std::string(300, 'n'), "cut.dll"},
                                             {"6", "Six", "six.dll"}});
    ASSERT_NE(nullptr, manager);
    CWnd parent(parent_);
    const std::string loaded = none_ + std::string(127, 'h') + "=1 ";
    for (auto [key, items] :
         {std::pair(9u, loaded + "*Nine=9 "), std::pair(200u, loaded + "Nine=9 "),
          std::pair(6u, "*" + loaded + "Nine=9 ")}) {
        EXPECT_EQ(3, manager->SetComboBox(&parent, 101, key));
        EXPECT_EQ(items, Items()) << key;
    }
    EXPECT_STREQ("nine.dll", manager->GetPlugInFileName(9));
    EXPECT_STREQ("null.dll", manager->GetPlugInFileName(6)) << "past the list's end";
    CWnd windowless;
    EXPECT_EQ(0, manager->SetComboBox(nullptr, 101, 0) + manager->SetComboBox(&parent, 7, 0) +
                     manager->SetComboBox(&windowless, 101, 0));
}

std::string Scanned(int number) {
    char value[512] = ""; // longer than any record
    GetPrivateProfileStringA(kScan, ("PlugIn" + std::to_string(number)).c_str(), "", value,
                             sizeof value, "Qerno.INI");
    return value;
}

// Beside two test plug-ins a DLL without their strings and a sound file named .dll.
TEST_F(PlugInManagerTest, ScanRecordsTheDllsThatNameThemselvesThenFillsTheComboBox) {
    const std::string folder = TempFilePath("qerno-plugin-scan\\");
    const char* files[] = {"QernoTestPlugIn.dll", "QernoTestPlugInNoEntry.dll", "QernoRes.dll",
                           "x.dll"};
    CreateDirectoryA(folder.c_str(), nullptr);
    for (const char* file : files)
        CopyFileA((file[0] == 'x' ? MediaPath("truncated.wav") : ExecutableFolder() + file).c_str(),
                  (folder + file).c_str(), FALSE);
    for (const char* stale : {"PlugIn0", "PlugIn1", "PlugIn2", "PlugIn4"})
        WritePrivateProfileStringA(kScan, stale, "stale", "Qerno.INI");
    StartWithList({{"5", "Five", "five.dll"}});
    char previous[MAX_PATH];
    GetCurrentDirectoryA(sizeof previous, previous);
    SetCurrentDirectoryA(folder.c_str());
    {
        CWnd parent(parent_);
        CPlugInManager manager(&parent, 101);
        EXPECT_EQ("*" + none_ + "Five=5 ", Items());
    }
    SetCurrentDirectoryA(previous);
    EXPECT_TRUE(IsWindow(parent_)) << "the host's window outlives its wrapper";
    const std::string first = Scanned(0), second = Scanned(1); // in the directory's order
    EXPECT_EQ("Test halves,QernoTestPlugIn.dll,1.0 Test halves,QernoTestPlugInNoEntry.dll,1.0",
              std::min(first, second) + " " + std::max(first, second));
    EXPECT_EQ(" stale", Scanned(2) + " " + Scanned(4)) << "the old record ends at its first gap";

    EXPECT_EQ(2, CPlugInManager(nullptr, 101).m_nCount);
    EXPECT_EQ("", Scanned(0)) << "cleared without a combo box too";
    WritePrivateProfileStringA(kScan, nullptr, nullptr, "Qerno.INI");
    for (const char* file : files)
        DeleteFileA((folder + file).c_str());
    RemoveDirectoryA(folder.c_str());
}

} // namespace
