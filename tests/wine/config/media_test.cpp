// Media pickers over a folder of test files, media types by the resource module's extensions, and
// the MCI device names of the video types.
#include "Qerno.h"
#include "support/LibraryHostTest.h"
#include "support/LogCapture.h"
#include "support/TestFiles.h"

#include <fstream>
#include <string>
#include <vector>

namespace {

using Texts = std::vector<std::string>;

constexpr int kListId = 101, kComboId = 102, kLabelId = 103;
constexpr WORD kSoundFilter = 11312;
constexpr char kFiles[][16] = {"a.bmp", "b.DIB", "c.wav", "d.mid", "e.txt", "noext"};

// A picker as a dialog has one: a sorted list box, a drop-down list and a label, as children
// of the host window, over a folder of files made for the test.
struct MediaPickers : LibraryHostTest {
    void SetUp() override {
        CreateDirectoryA(folder_.c_str(), nullptr);
        for (const char* name : kFiles)
            std::ofstream{Path(name)};
        // A folder named like a picture must not be listed.
        CreateDirectoryA(Path("folder.bmp").c_str(), nullptr);
    }
    void TearDown() override {
        // The host outlives the test, and the next one looks its controls up by id.
        for (HWND control : {list_, combo_, label_})
            DestroyWindow(control);
        for (const char* name : kFiles)
            DeleteFileA(Path(name).c_str());
        RemoveDirectoryA(Path("folder.bmp").c_str());
        RemoveDirectoryA(folder_.c_str());
    }

    std::string Path(const char* name) const { return folder_ + "\\" + name; }

    HWND Child(const char* windowClass, DWORD style, int id) {
        return CreateWindowA(windowClass, "", WS_CHILD | WS_VISIBLE | style, 0, 0, 200, 200, host(),
                             reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr);
    }

    // The texts of a list box's or a combo box's items.
    Texts Items(HWND box) const {
        const bool combo = box == combo_;
        Texts items;
        for (int i = 0; i < SendMessageA(box, combo ? CB_GETCOUNT : LB_GETCOUNT, 0, 0); ++i) {
            char text[500]; // one description or file name
            SendMessageA(box, combo ? CB_GETLBTEXT : LB_GETTEXT, i, reinterpret_cast<LPARAM>(text));
            items.push_back(text);
        }
        return items;
    }

    std::string LabelText() const {
        char text[500]; // one pattern list
        GetWindowTextA(label_, text, sizeof text);
        return text;
    }

    const HWND list_ = Child("LISTBOX", LBS_SORT, kListId);
    const HWND combo_ = Child("COMBOBOX", CBS_DROPDOWNLIST, kComboId);
    const HWND label_ = Child("STATIC", 0, kLabelId);
    // Blanks in the name give the folder a short form different from its long one.
    const std::string folder_ = TempFilePath("qerno media picker test");
};

TEST_F(MediaPickers,
       ListShowsTheFilesOfEveryPatternTheComboTheDescriptionsAndTheChosenOneFillsBoth) {
    LoadMediaDirList(list_, folder_.c_str(), "*.bmp;;*.dib");
    EXPECT_EQ((Texts{"a.bmp", "b.DIB"}), Items(list_));
    LoadMediaDirList(list_, folder_.c_str(), "*.*");
    EXPECT_EQ(6u, Items(list_).size()); // files only, not the folder named like a picture
    // A folder without a short form (a missing one) leaves the list empty.
    LoadMediaDirList(list_, (folder_ + "\\missing").c_str(), "*.*");
    EXPECT_EQ(Texts{}, Items(list_));

    // The combo box holds the descriptions with their field numbers; the one chosen fills list and
    // label.
    LoadMediaFilterDesCombBox(combo_, kSoundFilter);
    EXPECT_EQ((Texts{"All sounds", "Wave audio (*.wav)", "MIDI music (*.mid)", "All files"}),
              Items(combo_));
    for (int item = 0; item < 4; ++item)
        EXPECT_EQ(2 * item, SendMessageA(combo_, CB_GETITEMDATA, item, 0));
    EXPECT_EQ(0, SendMessageA(combo_, CB_GETCURSEL, 0, 0));
    EXPECT_EQ(3, GetMediaFilterTypeString(kSoundFilter, 6, nullptr)) << "the length alone";

    LoadDlgMediaDirListNameWnd(host(), kListId, kComboId, kLabelId, folder_.c_str(), kSoundFilter);
    EXPECT_EQ((Texts{"c.wav", "d.mid"}), Items(list_));
    EXPECT_EQ("*.wav;*.mid", LabelText());
    SendMessageA(combo_, CB_SETCURSEL, 2, 0);
    LoadCtlMediaDirListNameWnd(list_, combo_, nullptr, folder_.c_str(), kSoundFilter);
    EXPECT_EQ(Texts{"d.mid"}, Items(list_));
    EXPECT_EQ("*.wav;*.mid", LabelText()); // no label given, none changed

    // No selection at all: no patterns, so nothing listed.
    SendMessageA(combo_, CB_SETCURSEL, static_cast<WPARAM>(-1), 0);
    LoadCtlMediaDirListNameWnd(list_, combo_, label_, folder_.c_str(), kSoundFilter);
    EXPECT_EQ(Texts{}, Items(list_));
    EXPECT_EQ("", LabelText());
    LoadMediaFilterDesCombBox(combo_, 1); // an id without text
    EXPECT_EQ(Texts{}, Items(combo_));
}

// One optional MCI driver as "system.ini" lists it, put back as the test found it.
struct DriverEntry {
    explicit DriverEntry(const char* key)
        : key(key),
          present(GetPrivateProfileStringA("mci", key, "", saved, MAX_PATH, "system.ini")) {}
    ~DriverEntry() { Set(present ? saved : nullptr); }
    void Set(const char* file) const { WritePrivateProfileStringA("mci", key, file, "system.ini"); }

    const char* const key;
    char saved[MAX_PATH]; // a driver's file name
    const bool present;
};

using MediaTypes = LibraryHostTest;

// The classification itself is tested natively; here, that the exports reach the module's texts.
// Video types play on the MCI drivers "system.ini" lists, else on ActiveMovie, with one record
// each.
TEST_F(MediaTypes, ClassifiedByTheModulesExtensionsAndListedVideoDriversPlayElseActiveMovie) {
    EXPECT_EQ(3, GetFileNameType("C:\\Pictures\\Sunset.JPG"));
    EXPECT_EQ(8, CheckPicFileType("a.png"));
    EXPECT_EQ(2, CheckVideoFileType("a.mpeg"));
    EXPECT_EQ(1, CheckIconFileType("a.ico"));
    EXPECT_TRUE(CheckLumoFileType("show.LMO"));
    EXPECT_TRUE(CheckFileType("a.avi", 11364));

    const DriverEntry mpeg("MpegVideo"), quickTime("QTWVideo");
    LogCapture log("qerno-media-types.log");
    mpeg.Set("mciqtz32.dll");
    quickTime.Set("mciqtw.drv");
    char name[32]; // longer than any device type name
    EXPECT_EQ(9, GetVideoTypeString(2, name));
    EXPECT_STREQ("MpegVideo", name);
    EXPECT_EQ(8, GetVideoTypeString(3, nullptr));
    EXPECT_EQ(0, log.Count("not installed"));

    mpeg.Set(nullptr);
    quickTime.Set("");
    EXPECT_EQ(11, GetVideoTypeString(2, name));
    EXPECT_STREQ("ActiveMovie", name);
    EXPECT_EQ(11, GetVideoTypeString(3, nullptr));
    EXPECT_EQ(1, log.Count("MpegVideo not installed -- Using ActiveMovie"));
    EXPECT_EQ(1, log.Count("QTWVideo not installed -- Using ActiveMovie"));
}

} // namespace
