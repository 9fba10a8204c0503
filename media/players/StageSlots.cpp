#include "media/players/StageSlots.h"

#include <cstring>

namespace {
StageSlot slots[kStageSlotCount];
} // namespace

StageSlot& StageSlotAt(int index) {
    return slots[index];
}

void ClearStageSlot(StageSlot& slot) {
    slot = StageSlot{};
}

void ClearStageSlots() {
    for (StageSlot& slot : slots)
        ClearStageSlot(slot);
}

StageSlot* FindStageByKey(const char* key) {
    for (StageSlot& slot : slots)
        if (slot.media && std::strncmp(slot.key, key, kStageTextSize - 1) == 0)
            return &slot;
    return nullptr;
}

StageSlot* FindStageByFile(const char* file) {
    for (StageSlot& slot : slots)
        if (slot.media && lstrcmpiA(slot.file, file) == 0)
            return &slot;
    return nullptr;
}

StageSlot* FindStageByWindow(HWND window) {
    const int bound = GetWindowWord(window, kStageSlotWord);
    if (bound < 1 || bound > kStageSlotCount || slots[bound - 1].window != window)
        return nullptr;
    return &slots[bound - 1];
}

int FirstFreeStageSlot() {
    for (int index = 0; index < kStageSlotCount; ++index)
        if (!slots[index].media)
            return index;
    return -1;
}

void CopyStageText(char (&to)[kStageTextSize], const char* text) {
    lstrcpynA(to, text, kStageTextSize);
}
