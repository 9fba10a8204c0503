// The values of the one wave-out player, shared by its window procedure and its playback.
#pragma once

#include "media/players/WaveOutLoad.h"

#include <windows.h>
#include <mmsystem.h>

struct WaveOutPlayerValues {
    HWND owner; // prompts of the key calls go to it
    char file[MAX_PATH];
    unsigned long fileOffset;
    unsigned long startMs, endMs;
    char key[MAX_PATH]; // empty: no player
    HWND window;
    LoadedWave wave;
    unsigned long length;     // milliseconds of the loaded data
    unsigned long position;   // milliseconds from the start of the loaded data
    unsigned long writeStart; // the position the buffer on the device began at
    bool playing;
    TIMERPROC timerProcedure; // set once the window has a bar
    WAVEHDR header;
};

extern WaveOutPlayerValues waveOutPlayer;

// Runs while playing, to move the thumb.
constexpr UINT_PTR kPositionTimer = 1;

// Button commands and device notifications of the player window.
void PlayWaveOut();
void PauseWaveOut();
void StopWaveOut();
// code is a WM_HSCROLL code; the new position is set before for the thumb's codes.
void ScrollWaveOut(int code);
void EndOfWaveOutBuffer();
void CALLBACK MoveWaveOutThumb(HWND window, UINT message, UINT_PTR timer, DWORD time);
