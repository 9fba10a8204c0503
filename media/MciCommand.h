// One MCI command to a device by its Media-ID, and the labels its failures are logged under.
#pragma once

#include <windows.h>
#include <mmsystem.h>

#include <cstring>

// The Media-ID goes to MCI as the device, zero-extended.
inline MCIERROR SendMciCommand(unsigned short id, UINT command, DWORD flags, void* block) {
    return mciSendCommandA(id, command, flags, reinterpret_cast<DWORD_PTR>(block));
}

// MCI takes the notification window as the block's callback value.
inline DWORD_PTR MciCallback(HWND window) {
    return reinterpret_cast<DWORD_PTR>(window);
}

// A CD-audio device is named by type, never by a file.
inline bool IsCdAudioType(const char* deviceType) {
    return deviceType && _strnicmp(deviceType, "cdaudio", 7) == 0;
}

constexpr char kLabelOpen[] = "-- OPEN -- ";
constexpr char kLabelPlay[] = "-- PLAY -- ";
constexpr char kLabelStatus[] = "-- STATUS -- ";
