// The wave-out calls of the player, each logging its failure under its own label.
#pragma once

#include "media/players/WaveRange.h"

#include <windows.h>
#include <mmsystem.h>

// The position query's answer when the device cannot tell.
constexpr unsigned long kNoWavePosition = 0xFFFFFFFF;

// 1 for no error; otherwise the error is logged after label and the result is 0.
int ReportWaveError(const char* label, MMRESULT error);

bool QueryWaveFormat(const WAVEFORMATEX& format);
// Opened on the wave mapper, notifying window; null on failure.
HWAVEOUT OpenWaveDevice(const WAVEFORMATEX& format, HWND window);
bool CloseWaveDevice(HWAVEOUT device);
bool PrepareWaveHeader(HWAVEOUT device, WAVEHDR& header);
bool UnprepareWaveHeader(HWAVEOUT device, WAVEHDR& header);
bool WriteWaveHeader(HWAVEOUT device, WAVEHDR& header);
bool PauseWaveDevice(HWAVEOUT device);
bool ResetWaveDevice(HWAVEOUT device);
bool RestartWaveDevice(HWAVEOUT device);
// Milliseconds played since the last write or reset; kNoWavePosition on failure.
unsigned long WaveDevicePosition(HWAVEOUT device, WavePace pace);
