// The one wave-out player window: its class, its making, its procedure and the key calls.
#include "media/players/WaveOutPlayer.h"

#include "QernoFrame.h"
#include "QernoMedia.h"
#include "frame/afx/ModuleState.h"
#include "media/players/ControlBar.h"
#include "media/players/StageRange.h"
#include "media/players/WaveOutCalls.h"
#include "media/players/WaveOutState.h"

#include <cstring>

WaveOutPlayerValues waveOutPlayer = {};

namespace {

constexpr int kWindowExtraBytes = 8;
constexpr unsigned int kPromptKeyEmpty = 12305;
constexpr unsigned int kPromptKeyUnknown = 12307;

WaveOutPlayerValues& player = waveOutPlayer;

// The controls need only the length, so they are made while the data is read; a failed read
// takes them down with the window.
void BuildBarForLength(HWND window, unsigned long milliseconds) {
    if (milliseconds > 0)
        BuildControlBar(window, false);
}

bool LoadPlayer(HWND window) {
    player.window = window;
    const WaveSource source = {player.file, player.fileOffset, player.startMs, player.endMs};
    if (!LoadWave(window, source, BuildBarForLength, player.wave))
        return false;
    player.length = WaveMilliseconds(player.wave.size, player.wave.pace);
    player.position = 0;
    player.playing = false;
    player.header = {};
    if (player.length > 0)
        player.timerProcedure = MoveWaveOutThumb;
    return true;
}

// However the window goes, closed or destroyed with its owner, the device and the data go too.
void ReleasePlayer(HWND window) {
    KillTimer(window, kPositionTimer);
    if (player.wave.device) {
        ResetWaveDevice(player.wave.device);
        if (player.header.dwFlags & WHDR_PREPARED)
            UnprepareWaveHeader(player.wave.device, player.header);
        CloseWaveDevice(player.wave.device);
    }
    if (player.wave.data) {
        GlobalUnlock(player.wave.data);
        GlobalFree(player.wave.data);
    }
    player.wave = {};
    player.header = {};
    player.playing = false;
    player.timerProcedure = nullptr;
    player.key[0] = '\0';
    player.window = nullptr;
}

void Paint(HWND window) {
    PAINTSTRUCT paint;
    HDC dc = BeginPaint(window, &paint);
    PaintControlBar(window, dc, player.length, true);
    EndPaint(window, &paint);
    DrawPositionText(window, player.length, player.position, true);
}

void Command(HWND window, int id) {
    switch (id) {
    case kPlayButton:
        if (player.playing)
            PauseWaveOut();
        else
            PlayWaveOut();
        break;
    case kStopButton:
        StopWaveOut();
        return;
    case kToStartButton:
    case kPageBackButton:
    case kPageForwardButton:
    case kToEndButton:
        ScrollWaveOut(StepButtonScrollCode(id));
        break;
    case kCloseButton:
        SendMessageA(window, WM_CLOSE, 0, 0);
        return;
    default:
        return;
    }
    FocusBarButton(window, id);
}

void Scroll(HWND window, int code, LPARAM thumb) {
    if (code == SB_THUMBTRACK)
        player.position = ThumbValue(window, player.length, static_cast<short>(LOWORD(thumb)));
    ScrollWaveOut(code);
}

void ClickTrack(HWND window, LPARAM mouse) {
    BringWindowToTop(window);
    const int pixel = TrackHit(window, mouse);
    if (pixel < 1)
        return;
    player.position = ThumbValue(window, player.length, pixel);
    ScrollWaveOut(SB_THUMBPOSITION);
}

LRESULT CALLBACK PlayerProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE:
        return LoadPlayer(window) ? 0 : -1;
    case WM_DESTROY:
        ReleasePlayer(window);
        return 0;
    case WM_PAINT:
        Paint(window);
        return 0;
    case WM_DRAWITEM:
        DrawBarButton(window, *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam), player.playing);
        return TRUE;
    case WM_COMMAND:
        Command(window, LOWORD(wParam));
        return 0;
    case WM_NCLBUTTONDOWN:
        // The player keeps its height: its top and bottom edges do not size it.
        if (wParam >= HTTOP && wParam <= HTBOTTOMRIGHT)
            return 0;
        break;
    case WM_INITMENUPOPUP:
        EnableMenuItem(reinterpret_cast<HMENU>(wParam), 4, MF_BYPOSITION | MF_GRAYED);
        return 0;
    case WM_HSCROLL:
        Scroll(window, LOWORD(wParam), lParam);
        return 0;
    case WM_LBUTTONUP:
        ClickTrack(window, lParam);
        return 0;
    case MM_WOM_DONE:
        EndOfWaveOutBuffer();
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

HWND CreatePlayerWindow(HWND owner, const char* title) {
    const char* caption = title && *title ? title : FileTitle(player.file);
    const RECT place = SoundPlayerPlace(); // x, y, width, height
    return CreateWindowExA(0, kWaveOutWindowClass, caption, WS_POPUP | WS_CAPTION, place.left,
                           place.top, place.right, place.bottom, owner, nullptr,
                           afx::LibraryModuleState().instance, nullptr);
}

// Only the player's own key names it; the user hears why another does not.
bool KeyNamesPlayer(const char* key) {
    if (!key || !*key) {
        PromptErrorID(player.owner, kPromptKeyEmpty);
        return false;
    }
    if (!IsWaveOutKey(key)) {
        PromptErrorID(player.owner, kPromptKeyUnknown);
        return false;
    }
    return true;
}

} // namespace

bool RegisterWaveOutClass(HINSTANCE instance) {
    WNDCLASSA type = {};
    type.lpfnWndProc = PlayerProcedure;
    type.cbWndExtra = kWindowExtraBytes;
    type.hInstance = instance;
    type.hCursor = LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
    type.hbrBackground = static_cast<HBRUSH>(GetStockObject(LTGRAY_BRUSH));
    type.lpszClassName = kWaveOutWindowClass;
    return RegisterClassA(&type) != 0;
}

bool IsWaveOutKey(const char* key) {
    return std::strcmp(key ? key : "", player.key) == 0;
}

void PlayWaveOutByKey(const char* key) {
    if (KeyNamesPlayer(key) && !player.playing)
        PlayWaveOut();
}

void PauseWaveOutByKey(const char* key) {
    if (KeyNamesPlayer(key) && player.playing)
        PauseWaveOut();
}

void StopWaveOutByKey(const char* key) {
    if (KeyNamesPlayer(key))
        StopWaveOut();
}

void CloseWaveOutByKey(const char* key) {
    if (key && !KeyNamesPlayer(key))
        return;
    if (player.window)
        SendMessageA(player.window, WM_CLOSE, 0, 0);
}

HWND QERNO_CALL waveOutCreatePlayWnd(HWND owner, const char* title, const char* key,
                                     const char* file, unsigned long fileOffset, unsigned long,
                                     unsigned long startMs, unsigned long endMs) {
    player.owner = owner;
    // Even a player without a key goes: the values can describe only one.
    if (player.window)
        SendMessageA(player.window, WM_CLOSE, 0, 0);
    lstrcpynA(player.file, file ? file : "", sizeof player.file);
    player.fileOffset = fileOffset;
    player.startMs = startMs;
    player.endMs = endMs;
    lstrcpynA(player.key, key ? key : "", sizeof player.key);
    HWND window = CreatePlayerWindow(owner, title);
    if (!window) {
        player.key[0] = '\0';
        return nullptr;
    }
    ShowWindow(window, SW_SHOW);
    UpdateWindow(window);
    SendMessageA(window, WM_COMMAND, kPlayButton, 0);
    return window;
}
