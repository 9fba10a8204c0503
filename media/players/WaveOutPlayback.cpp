// Play, pause, stop, the scroll steps and the end of the buffer: the device's one buffer, the
// position and the bar's looks kept in step with the playing flag.
#include "QernoFrame.h"
#include "media/players/ControlBar.h"
#include "media/players/StageRange.h"
#include "media/players/WaveOutCalls.h"
#include "media/players/WaveOutState.h"

#include <algorithm>
#include <cstdint>

namespace {

constexpr UINT kPositionPeriodMs = 10;
constexpr unsigned int kPromptCannotWrite = 12318;

WaveOutPlayerValues& player = waveOutPlayer;

void ShowThumb() {
    SetThumb(player.window, player.length, RoundToTens(player.position));
}

void ShowStopped() {
    KillTimer(player.window, kPositionTimer);
    player.playing = false;
    ShowBarPlaying(player.window, false, true);
    FocusBarButton(player.window, kPlayButton);
}

// A device that refused the buffer is given up; the player stays, silent.
void GiveUpDevice() {
    CloseWaveDevice(player.wave.device);
    player.wave.device = nullptr;
    ShowStopped();
}

// A buffer the device still holds, paused; one paused before it began has played nothing.
bool DeviceIsPaused() {
    const unsigned long played = WaveDevicePosition(player.wave.device, player.wave.pace);
    return (played != 0 && played != kNoWavePosition) || (player.header.dwFlags & WHDR_INQUEUE);
}

void WriteFromPosition() {
    if (player.position >= player.length)
        player.position = 0;
    player.writeStart = player.position;
    // The previous buffer is done with, even when its notification is still on its way.
    if (player.header.dwFlags & WHDR_PREPARED)
        UnprepareWaveHeader(player.wave.device, player.header);
    const unsigned long offset =
        std::min<unsigned long>(WaveBytes(player.position, player.wave.pace), player.wave.size);
    player.header = {};
    player.header.lpData = reinterpret_cast<LPSTR>(player.wave.bytes + offset);
    player.header.dwBufferLength = player.wave.size - offset;
    if (!PrepareWaveHeader(player.wave.device, player.header)) {
        GiveUpDevice();
        return;
    }
    if (!WriteWaveHeader(player.wave.device, player.header)) {
        UnprepareWaveHeader(player.wave.device, player.header);
        GiveUpDevice();
        PromptErrorID(player.window, kPromptCannotWrite);
    }
}

} // namespace

void PlayWaveOut() {
    player.playing = true;
    ShowBarPlaying(player.window, true, true);
    SetTimer(player.window, kPositionTimer, kPositionPeriodMs, player.timerProcedure);
    if (DeviceIsPaused())
        RestartWaveDevice(player.wave.device);
    else
        WriteFromPosition();
}

void PauseWaveOut() {
    KillTimer(player.window, kPositionTimer);
    const unsigned long played = WaveDevicePosition(player.wave.device, player.wave.pace);
    if (played != kNoWavePosition)
        player.position = played + player.writeStart;
    PauseWaveDevice(player.wave.device);
    ShowStopped();
}

void StopWaveOut() {
    ResetWaveDevice(player.wave.device);
    if (!player.playing)
        return;
    ShowStopped();
    ScrollWaveOut(SB_TOP);
}

void ScrollWaveOut(int code) {
    if (player.header.dwFlags & WHDR_PREPARED)
        ResetWaveDevice(player.wave.device);
    if (player.playing)
        KillTimer(player.window, kPositionTimer);
    switch (code) {
    case SB_PAGEUP:
        player.position = PageBack(player.position, player.length);
        break;
    case SB_PAGEDOWN:
        player.position = PageForward(player.position, player.length);
        break;
    case SB_TOP:
        player.position = 0;
        break;
    case SB_BOTTOM:
        player.position = player.length;
        break;
    }
    ShowThumb();
    if (code == SB_THUMBTRACK || !player.playing)
        return;
    // Posted, so that the reset's returned buffer is handled before play writes a new one.
    player.playing = false;
    PostMessageA(player.window, WM_COMMAND, kPlayButton, 0);
}

void EndOfWaveOutBuffer() {
    if ((player.header.dwFlags & WHDR_PREPARED) && (player.header.dwFlags & WHDR_DONE))
        UnprepareWaveHeader(player.wave.device, player.header);
    // A buffer returned by a reset has not reached the end; a device that cannot tell has.
    const std::uint64_t played = WaveDevicePosition(player.wave.device, player.wave.pace);
    if (played + player.writeStart < player.length)
        return;
    player.position = player.length; // so that play starts over
    ShowStopped();
    ResetWaveDevice(player.wave.device);
}

void CALLBACK MoveWaveOutThumb(HWND, UINT, UINT_PTR, DWORD) {
    const unsigned long played = WaveDevicePosition(player.wave.device, player.wave.pace);
    if (played == kNoWavePosition)
        return;
    player.position = played + player.writeStart;
    ShowThumb();
}
