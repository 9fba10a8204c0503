#include "MessageBoxTour.h"

#include "Qerno.h"
#include "Screenshot.h"

#include <cstdio>

namespace {

struct TourStop {
    const char* set; // names the picture
    UINT flags;
    const char* caption;
    const char* text;
};

const TourStop kStops[] = {
    {"ok", MB_OK | MB_ICONASTERISK, "Lumo Studio",
     "The presentation has been saved.\nIt plays on every machine with the player."},
    {"okcancel", MB_OKCANCEL | MB_ICONQUESTION, "Replace Sound",
     "Replace the sound of this scene?\nThe old file stays on the disk."},
    {"abortretryignore", MB_ABORTRETRYIGNORE | MB_ICONHAND, "Video",
     "The video device does not answer.\nAnother program may be using it."},
    {"yesnocancel", MB_YESNOCANCEL | MB_ICONQUESTION | MB_DEFBUTTON3, "Lumo Studio",
     "Save the changes to \"Tour.lmo\" before closing?"},
    {"yesno", MB_YESNO | MB_ICONEXCLAMATION, "Delete Scene",
     "Delete the scene \"Opening\"?\nIts actions and messages go with it."},
    {"retrycancel", MB_RETRYCANCEL | MB_ICONHAND, "Audio CD",
     "There is no audio CD in the drive.\nInsert the disc and choose Retry."},
};

// The picture goes here once the box is up; the timer that takes it also closes the box.
std::string picturePath;
bool pictureSaved = false;

BOOL CALLBACK FindBox(HWND window, LPARAM found) {
    char className[16]; // "#32770" and room to spare
    if (!IsWindowVisible(window) || !GetClassNameA(window, className, sizeof className) ||
        lstrcmpA(className, "#32770"))
        return TRUE;
    *reinterpret_cast<HWND*>(found) = window;
    return FALSE;
}

// Runs inside the box's modal loop; waits for the box to come up and be painted.
void CALLBACK PictureAndClose(HWND, UINT, UINT_PTR timer, DWORD) {
    HWND box = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), FindBox, reinterpret_cast<LPARAM>(&box));
    if (!box)
        return;
    KillTimer(nullptr, timer);
    RedrawWindow(box, nullptr, nullptr,
                 RDW_FRAME | RDW_INVALIDATE | RDW_UPDATENOW | RDW_ALLCHILDREN);
    pictureSaved = SaveWindowScreenshot(box, picturePath, Capture::WholeWindow);
    PostMessageA(box, WM_COMMAND, IDCANCEL, 0);
}

} // namespace

void TourMessageBoxes(HWND owner, const std::string& outDirectory) {
    for (const TourStop& stop : kStops) {
        picturePath = outDirectory + "\\02-message-box-" + stop.set + ".png";
        pictureSaved = false;
        SetTimer(nullptr, 0, 50, PictureAndClose);
        const int result = KvtMessageBox(owner, stop.text, stop.caption, stop.flags);
        std::printf("%s %s (closed with %d)\n", pictureSaved ? "saved" : "FAILED to save",
                    picturePath.c_str(), result);
    }
}
