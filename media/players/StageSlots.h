// The table of the stage windows: one slot per open window, at most kStageSlotCount.
#pragma once

#include <windows.h>

constexpr int kStageSlotCount = 10;
// Room for a path or a key and its terminator; longer ones are cut.
constexpr int kStageTextSize = 260;

// The media types of GetFileNameType a stage window plays.
enum StageMediaType : int { kStageVideo = 4, kStageMovie = 5, kStageSound = 6 };

struct StageSlot {
    char file[kStageTextSize];
    char key[kStageTextSize];
    unsigned short media; // 0: the slot is free
    HWND window;
    TIMERPROC thumbTimer; // only for windows with a bar
    unsigned long range;
    unsigned long position;
    unsigned long start;
    unsigned long end;
    bool playing;
    bool hasBar;
    int mediaType;
    bool frames; // else milliseconds
};

// The stage window's word that holds its slot index + 1 (0 while unbound).
constexpr int kStageSlotWord = 0;

StageSlot& StageSlotAt(int index);
void ClearStageSlot(StageSlot& slot);
void ClearStageSlots();

// The first slot with a device whose key is key, cut as the slots keep it; null if none.
StageSlot* FindStageByKey(const char* key);
// The first slot with a device playing file, compared without regard to case; null if none.
StageSlot* FindStageByFile(const char* file);
// The slot of window, null when window is not a bound stage window.
StageSlot* FindStageByWindow(HWND window);
// The first free slot, -1 if all are in use.
int FirstFreeStageSlot();
// Copies text into a slot's buffer, cut to fit.
void CopyStageText(char (&to)[kStageTextSize], const char* text);
