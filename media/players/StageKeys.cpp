// The host's calls by key: stage windows first asked of the wave-out player, and closing them all.
#include "QernoFrame.h"
#include "QernoMedia.h"
#include "media/players/StageWindow.h"
#include "media/players/WaveOutPlayer.h"

namespace {

constexpr unsigned int kPromptKeyNotFound = 12307;

const char* TextOrEmpty(const char* text) {
    return text ? text : "";
}

// The wave-out player answers its own key; else the stage window with the key does.
template <typename StageCall>
int ByKey(HWND owner, const char* key, void (*waveOutCall)(const char*), StageCall stageCall) {
    key = TextOrEmpty(key);
    if (IsWaveOutKey(key)) {
        waveOutCall(key);
        return 1;
    }
    StageSlot* slot = FindStageByKey(key);
    if (!slot) {
        PromptErrorID(owner, kPromptKeyNotFound);
        return 0;
    }
    stageCall(*slot);
    return 1;
}

} // namespace

HWND QERNO_CALL OpenMediaPlayWnd(HWND owner, const char* title, const char* key, const char* file,
                                 unsigned long start, unsigned long end) {
    return OpenStage(owner, TextOrEmpty(title), TextOrEmpty(key), TextOrEmpty(file), start, end,
                     true, false, 0);
}

int QERNO_CALL PlayMediaFile(HWND owner, const char* key) {
    return ByKey(owner, key, PlayWaveOutByKey, [](StageSlot& slot) {
        const HWND window = slot.window;
        StopStage(slot);
        if (slot.window == window)
            StartStagePlay(slot);
    });
}

int QERNO_CALL PauseMediaFile(HWND owner, const char* key) {
    return ByKey(owner, key, PauseWaveOutByKey, PauseStage);
}

int QERNO_CALL StopMediaFile(HWND owner, const char* key) {
    return ByKey(owner, key, StopWaveOutByKey, StopStage);
}

int QERNO_CALL CloseMediaFile(HWND owner, const char* key) {
    return ByKey(owner, key, CloseWaveOutByKey,
                 [](StageSlot& slot) { SendMessageA(slot.window, WM_CLOSE, 0, 0); });
}

int QERNO_CALL CloseAllMediaFile() {
    for (int index = 0; index < kStageSlotCount; ++index)
        if (StageSlotAt(index).media)
            SendMessageA(StageSlotAt(index).window, WM_CLOSE, 0, 0);
    CloseWaveOutByKey(nullptr);
    ZeroPlayingVideoCount();
    return 1;
}
