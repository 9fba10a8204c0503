// The media pickers of three filters, run on hidden controls over a folder of sample files, and
// every sample classified with the device type that would play it.
#include "Qerno.h"
#include "Scene.h"

#include <string>
#include <vector>

namespace {

constexpr int kMargin = 16;
constexpr int kRow = 16;
constexpr int kPanelWidth = 320;
constexpr int kListId = 1, kComboId = 2, kLabelId = 3;
constexpr unsigned int kFirstExtensionId = 11350, kLastExtensionId = 11378;

using Texts = std::vector<std::string>;

void Text(HDC dc, int x, int y, const std::string& text, COLORREF colour = RGB(0, 0, 0)) {
    SetTextColor(dc, colour);
    TextOutA(dc, x, y, text.c_str(), static_cast<int>(text.size()));
}

void Heading(HDC dc, int x, int y, const std::string& text) {
    Text(dc, x, y, text, RGB(0, 0, 128));
}

std::string SampleFolder() {
    char folder[MAX_PATH + 1]; // the temporary directory and its terminator
    GetTempPathA(sizeof folder, folder);
    return std::string(folder) + "Qerno media samples";
}

// One empty file for each extension of the resource module, and two the pickers never offer.
const std::string& MakeSamplesOnce() {
    static const std::string folder = [] {
        const std::string path = SampleFolder();
        CreateDirectoryA(path.c_str(), nullptr);
        Texts names = {"notes.doc", "show.lmo"};
        for (unsigned int id = kFirstExtensionId; id <= kLastExtensionId; ++id) {
            char extension[80] = {}; // one extension text
            if (GetIDStringB(id, extension, sizeof extension) && extension[0] == '.')
                names.push_back(std::string("sample") + extension);
        }
        for (const std::string& name : names)
            CloseHandle(CreateFileA((path + "\\" + name).c_str(), GENERIC_WRITE, 0, nullptr,
                                    CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr));
        return path;
    }();
    return folder;
}

// What a picker dialog shows after the user chose a description.
struct PickerState {
    Texts descriptions;
    std::vector<LRESULT> fieldNumbers; // each description's item data
    int chosen = 0;
    std::string patterns;
    Texts files;
};

Texts Items(HWND control, UINT countMessage, UINT textMessage) {
    Texts items;
    const int count = static_cast<int>(SendMessageA(control, countMessage, 0, 0));
    for (int i = 0; i < count; ++i) {
        char text[500]; // one description or file name
        SendMessageA(control, textMessage, i, reinterpret_cast<LPARAM>(text));
        items.push_back(text);
    }
    return items;
}

// The library's own picker functions, on controls of a dialog that is never shown.
PickerState RunPicker(const std::string& folder, WORD filterId, int chosen) {
    HWND dialog =
        CreateWindowA("STATIC", "", WS_POPUP, 0, 0, 0, 0, nullptr, nullptr, nullptr, nullptr);
    auto child = [dialog](const char* windowClass, DWORD style, int id) {
        return CreateWindowA(windowClass, "", WS_CHILD | style, 0, 0, 300, 300, dialog,
                             reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), nullptr, nullptr);
    };
    HWND list = child("LISTBOX", LBS_SORT, kListId);
    HWND combo = child("COMBOBOX", CBS_DROPDOWNLIST, kComboId);
    HWND label = child("STATIC", 0, kLabelId);

    LoadMediaFilterDesCombBox(combo, filterId);
    SendMessageA(combo, CB_SETCURSEL, chosen, 0);
    LoadDlgMediaDirListNameWnd(dialog, kListId, kComboId, kLabelId, folder.c_str(), filterId);

    PickerState state;
    state.descriptions = Items(combo, CB_GETCOUNT, CB_GETLBTEXT);
    for (size_t i = 0; i < state.descriptions.size(); ++i)
        state.fieldNumbers.push_back(SendMessageA(combo, CB_GETITEMDATA, i, 0));
    state.chosen = chosen;
    char patterns[500]; // one pattern list
    GetWindowTextA(label, patterns, sizeof patterns);
    state.patterns = patterns;
    state.files = Items(list, LB_GETCOUNT, LB_GETTEXT);
    DestroyWindow(dialog);
    return state;
}

void PaintPicker(HDC dc, int x, int y, const char* title, WORD filterId, int chosen) {
    const PickerState state = RunPicker(MakeSamplesOnce(), filterId, chosen);
    Heading(dc, x, y, std::string(title) + " - filter " + std::to_string(filterId));
    y += kRow + 6;
    const int boxHeight = static_cast<int>(state.descriptions.size()) * kRow + 4;
    RECT box = {x, y, x + kPanelWidth - 16, y + boxHeight};
    FrameRect(dc, &box, static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH)));
    for (size_t i = 0; i < state.descriptions.size(); ++i) {
        const int top = y + 2 + static_cast<int>(i) * kRow;
        const bool isChosen = static_cast<int>(i) == state.chosen;
        if (isChosen) {
            RECT band = {x + 1, top, x + kPanelWidth - 17, top + kRow};
            FillRect(dc, &band, GetSysColorBrush(COLOR_HIGHLIGHT));
        }
        // The item data is the description's field number in the filter string.
        Text(dc, x + 4, top,
             "[" + std::to_string(state.fieldNumbers[i]) + "] " + state.descriptions[i],
             isChosen ? GetSysColor(COLOR_HIGHLIGHTTEXT) : RGB(0, 0, 0));
    }
    y += boxHeight + 6;
    Text(dc, x, y, "Label: " + state.patterns, RGB(128, 0, 0));
    y += kRow + 2;
    std::string files;
    for (const std::string& file : state.files)
        files += file + "  ";
    RECT area = {x, y, x + kPanelWidth - 16, y + 8 * kRow};
    DrawTextA(dc, files.c_str(), static_cast<int>(files.size()), &area, DT_WORDBREAK | DT_NOPREFIX);
}

const char* MediaName(int type) {
    static const char* const kNames[] = {"unknown", "",      "text",     "picture", "video",
                                         "movie",   "sound", "metafile", "cursor",  "palette"};
    return type >= 0 && type <= 9 ? kNames[type] : "?";
}

// The sub-type within the file's media type and the MCI device type that plays it.
std::string Details(const std::string& name, int type) {
    char device[32] = {}; // longer than any device type name
    const char* file = name.c_str();
    switch (type) {
    case 2:
        return std::to_string(CheckTextFileType(file));
    case 3:
        return std::to_string(CheckPicFileType(file));
    case 4:
        GetVideoTypeString(CheckVideoFileType(file), device);
        return std::to_string(CheckVideoFileType(file)) + "  " + device;
    case 5:
        GetMovieTypeString(CheckMovieFileType(file), device);
        return std::to_string(CheckMovieFileType(file)) + "  " + device;
    case 6:
        GetSoundTypeString(CheckSoundFileType(file), device);
        return std::to_string(CheckSoundFileType(file)) + "  " + device;
    case 7:
        return std::to_string(CheckWmfFileType(file));
    case 8:
        return std::to_string(CheckCurFileType(file));
    case 9:
        return std::to_string(CheckPalFileType(file));
    default:
        return CheckIconFileType(file) ? "icon" : CheckLumoFileType(file) ? "project" : "";
    }
}

void PaintClassification(HDC dc, int x, int y, int rowsPerColumn) {
    Texts names = RunPicker(MakeSamplesOnce(), GetMediaTypeIDs(3), 10).files; // "All files"
    names.push_back("CDAUDIO");
    Heading(dc, x, y, "Each sample: media type, sub-type and MCI device type");
    y += kRow + 6;
    for (size_t i = 0; i < names.size(); ++i) {
        const int column = static_cast<int>(i) / rowsPerColumn;
        const int left = x + column * kPanelWidth;
        const int top = y + static_cast<int>(i) % rowsPerColumn * kRow;
        const int type = GetFileNameType(names[i].c_str());
        Text(dc, left, top, names[i]);
        Text(dc, left + 100, top, std::to_string(type) + " " + MediaName(type), RGB(0, 96, 0));
        Text(dc, left + 180, top, Details(names[i], type), RGB(96, 0, 96));
    }
}

void PaintLegalNames(HDC dc, int x, int y) {
    Heading(dc, x, y, "File names typed by a user");
    y += kRow + 6;
    for (const char* name : {"C:\\Show\\Intro.avi", "My clip.mpg", "AB:C", " A.TXT",
                             "C:\\DIR \\A.TXT", "A#B", "Tune?.mid"}) {
        const bool legal = CheckFileNameLegal(name);
        Text(dc, x, y, std::string("\"") + name + "\"");
        Text(dc, x + 140, y, legal ? "legal" : "refused", legal ? RGB(0, 96, 0) : RGB(160, 0, 0));
        y += kRow;
    }
}

void PaintMediaPicker(HDC dc, const RECT& client) {
    const int saved = SaveDC(dc);
    SetBkMode(dc, TRANSPARENT);
    SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
    const int left = client.left + kMargin, top = client.top + kMargin;
    PaintPicker(dc, left, top, "Pictures", GetMediaTypeIDs(3), 1);
    PaintPicker(dc, left + kPanelWidth, top, "Videos", GetMediaTypeIDs(4), 0);
    PaintPicker(dc, left + 2 * kPanelWidth, top, "Sounds", GetMediaTypeIDs(6), 1);
    PaintClassification(dc, left, top + 274, 11);
    PaintLegalNames(dc, left, top + 494);
    RestoreDC(dc, saved);
}

} // namespace

extern const Scene kMediaPickerScene = {"09-media-picker", "Media files picked and classified",
                                        PaintMediaPicker};
