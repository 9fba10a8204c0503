// The one wave-out player window, as the stage windows' key calls reach it.
#pragma once

#include <windows.h>

bool RegisterWaveOutClass(HINSTANCE instance);

// Whether key is the player's key (an empty key matches while no player exists).
bool IsWaveOutKey(const char* key);
// By key: an empty key or another key is prompted on the player's owner.
void PlayWaveOutByKey(const char* key);
void PauseWaveOutByKey(const char* key);
void StopWaveOutByKey(const char* key);
// key null closes whatever player exists, without a check.
void CloseWaveOutByKey(const char* key);
