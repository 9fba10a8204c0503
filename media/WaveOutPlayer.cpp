// The wave-out player window.
#include "QernoMedia.h"
#include "media/WaveOutPlayer.h"

bool RegisterWaveOutClass(HINSTANCE) {
    return true;
}
bool IsWaveOutKey(const char*) {
    return false;
}
void PlayWaveOutByKey(const char*) {}
void PauseWaveOutByKey(const char*) {}
void StopWaveOutByKey(const char*) {}
void CloseWaveOutByKey(const char*) {}

HWND QERNO_CALL waveOutCreatePlayWnd(HWND, const char*, const char*, const char*, unsigned long,
                                     unsigned long, unsigned long, unsigned long) {
    return nullptr;
}
