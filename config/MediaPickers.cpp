// The media pickers: filter descriptions in a combo box, a directory's matching files in a
// list box.
#include "QernoConfig.h"
#include "QernoFrame.h"
#include "config/MediaFilters.h"

namespace {

// An id without text leaves the filter empty, so the pickers show nothing.
void LoadFilter(WORD filterId, char (&filter)[kFilterSize]) {
    filter[0] = '\0';
    GetIDStringB(filterId, filter, kFilterSize);
}

} // namespace

void QERNO_CALL LoadMediaFilterDesCombBox(HWND comboBox, WORD filterId) {
    SendMessageA(comboBox, CB_RESETCONTENT, 0, 0);
    char filter[kFilterSize];
    LoadFilter(filterId, filter);
    FieldWalk walk(filter, '|');
    while (walk.Next()) {
        if (walk.Number() % 2 != 0)
            continue;
        char description[kFilterSize]; // a field is never longer than its filter
        lstrcpynA(description, walk.Text(), walk.Length() + 1);
        const LRESULT item =
            SendMessageA(comboBox, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(description));
        if (item >= 0)
            SendMessageA(comboBox, CB_SETITEMDATA, item, walk.Number());
    }
    SendMessageA(comboBox, CB_SETCURSEL, 0, 0);
}

int QERNO_CALL GetMediaFilterTypeString(WORD filterId, int description, char* out) {
    char filter[kFilterSize];
    LoadFilter(filterId, filter);
    const char* patterns = nullptr;
    const int length = FilterPatternList(filter, description, &patterns);
    if (out)
        lstrcpynA(out, patterns, length + 1);
    return length;
}

void QERNO_CALL LoadMediaDirList(HWND listBox, const char* directory, const char* patterns) {
    SendMessageA(listBox, LB_RESETCONTENT, 0, 0);
    char shortDirectory[300]; // the short form of the directory, 300 bytes
    const DWORD directoryLength =
        directory ? GetShortPathNameA(directory, shortDirectory, sizeof shortDirectory) : 0;
    // Without the short form, or with one too long for its buffer, the list stays empty.
    if (directoryLength == 0 || directoryLength >= sizeof shortDirectory)
        return;
    FieldWalk walk(patterns, ';');
    while (walk.Next()) {
        // Empty patterns are skipped, and so are patterns no filter string could hold.
        if (walk.Length() == 0 || walk.Length() >= kFilterSize)
            continue;
        char path[sizeof shortDirectory + 1 + kFilterSize]; // directory, '\\', one pattern
        lstrcpyA(path, shortDirectory);
        path[directoryLength] = '\\';
        lstrcpynA(path + directoryLength + 1, walk.Text(), walk.Length() + 1);
        SendMessageA(listBox, LB_DIR, 0, reinterpret_cast<LPARAM>(path));
    }
}

void QERNO_CALL LoadCtlMediaDirListNameWnd(HWND listBox, HWND comboBox, HWND label,
                                           const char* directory, WORD filterId) {
    const LRESULT selection = SendMessageA(comboBox, CB_GETCURSEL, 0, 0);
    const LRESULT description = SendMessageA(comboBox, CB_GETITEMDATA, selection, 0);
    char patterns[kFilterSize];
    GetMediaFilterTypeString(filterId, static_cast<int>(description), patterns);
    LoadMediaDirList(listBox, directory, patterns);
    if (label)
        SetWindowTextA(label, patterns);
}

void QERNO_CALL LoadDlgMediaDirListNameWnd(HWND dialog, int listId, int comboId, int labelId,
                                           const char* directory, WORD filterId) {
    LoadCtlMediaDirListNameWnd(GetDlgItem(dialog, listId), GetDlgItem(dialog, comboId),
                               GetDlgItem(dialog, labelId), directory, filterId);
}
