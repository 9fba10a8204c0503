// The scanning constructor: the plug-in DLLs of the current directory recorded in the library's
// profile for the host, then the registry's list in the host's combo box.
#include "render/PlugInManager.h"

#include "frame/afx/WinApp.h"

#include <cstdio>

namespace {

constexpr char kScanSection[] = "Gradient Fill PlugIns";

struct EntryName {
    explicit EntryName(int number) { std::snprintf(text, sizeof text, "PlugIn%d", number); }
    char text[24]; // "PlugIn" and a number
};

void ClearScanRecord(CWinApp& app) {
    for (int number = 0;; ++number) {
        const EntryName entry(number);
        if (app.GetProfileString(kScanSection, entry.text).IsEmpty())
            return;
        app.WriteProfileString(kScanSection, entry.text, nullptr);
    }
}

// A DLL that loads and names itself with its strings 1 and 2 becomes entry number of the
// record; whether it did.
bool RecordPlugIn(CWinApp& app, const char* fileName, int number) {
    HMODULE module = LoadLibraryA(fileName);
    if (!module)
        return false;
    char displayName[128]; // string 1: 127 characters at most
    char version[11];      // string 2: 10 characters at most
    const bool named = LoadStringA(module, 1, displayName, sizeof displayName) > 0 &&
                       LoadStringA(module, 2, version, sizeof version) > 0;
    if (named) {
        char value[sizeof displayName + MAX_PATH + sizeof version]; // three texts, two commas
        std::snprintf(value, sizeof value, "%s,%s,%s", displayName, fileName, version);
        app.WriteProfileString(kScanSection, EntryName(number).text, value);
    }
    FreeLibrary(module);
    return named;
}

// The listing puts the directory's DLLs into the combo box and the scan takes them out again
// from the top. The item count bounds the walk: a control that is no combo box answers every
// message with 0, never with the end.
void ScanPlugIns(CWinApp& app, HWND parent, HWND comboBox, unsigned int id) {
    char pattern[] = "*.dll"; // the listing may write into it
    if (!DlgDirListComboBoxA(parent, pattern, static_cast<int>(id), 0, DDL_READONLY | DDL_ARCHIVE))
        return;
    int number = 0;
    for (LRESULT left = SendMessageA(comboBox, CB_GETCOUNT, 0, 0); left > 0; --left) {
        const LRESULT length = SendMessageA(comboBox, CB_GETLBTEXTLEN, 0, 0);
        if (length == CB_ERR)
            return;
        char fileName[MAX_PATH] = ""; // longer names are passed over
        if (length < static_cast<LRESULT>(sizeof fileName))
            SendMessageA(comboBox, CB_GETLBTEXT, 0, reinterpret_cast<LPARAM>(fileName));
        SendMessageA(comboBox, CB_DELETESTRING, 0, 0);
        if (fileName[0] && RecordPlugIn(app, fileName, number))
            ++number;
    }
}

} // namespace

CPlugInManager::CPlugInManager(CWnd* parent, unsigned int comboBoxId) : CPlugInManager() {
    if (CWinApp* app = afx::GetApp()) {
        ClearScanRecord(*app);
        if (HWND comboBox = PlugInComboBox(parent, comboBoxId))
            ScanPlugIns(*app, parent->GetSafeHwnd(), comboBox, comboBoxId);
    }
    LoadPlugIns(*this);
    SetComboBox(parent, comboBoxId, 0);
}
