// The cycles the soak program repeats: each opens what a host opens for a piece of media, plays
// it and lets it go, through the library's calls.
#pragma once

#include <windows.h>

#include <string>

struct SoakMedia {
    std::string sound;
    std::string video;
};

// Each cycle through the library, and its twin: the same device calls made directly, which
// shows what the system keeps of them.
struct SoakCycle {
    const char* name;
    void (*run)(HWND host, const SoakMedia& media);
    void (*bare)(HWND host, const SoakMedia& media);
};

// A stage window on a sound, and on a video, played, paused, sought and closed; the wave-out
// player made, played and closed; a Media-ID opened, played and closed.
extern const SoakCycle kSoakCycles[4];
