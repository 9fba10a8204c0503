// Reading the chosen part of a RIFF/WAVE image's PCM data into memory and opening the device
// that plays it.
#pragma once

#include "media/players/WaveRange.h"

#include <windows.h>
#include <mmsystem.h>

struct WaveSource {
    const char* file;
    unsigned long fileOffset; // where the RIFF header starts
    unsigned long startMs;    // kWholeWave: from the beginning
    unsigned long endMs;      // kWholeWave: to the end
};

// Everything a loaded wave holds; all null or zero until it is loaded.
struct LoadedWave {
    HWAVEOUT device;
    WavePace pace;
    HGLOBAL data; // moveable, locked while loaded
    BYTE* bytes;
    unsigned long size;
};

// What the caller does on window while the data is read, given the length the data will have.
using WhileReading = void (*)(HWND window, unsigned long milliseconds);

// On failure the user is prompted on window, everything acquired is released and wave is left
// as it was.
bool LoadWave(HWND window, const WaveSource& source, WhileReading whileReading, LoadedWave& wave);
