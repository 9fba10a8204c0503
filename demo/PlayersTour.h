#pragma once

#include <windows.h>

#include <string>

// Drives the player windows as a host does: a sound and a video in stage windows, the video full
// screen, and the wave-out player, through play, pause, a thumb drag, a seek, play and stop. Saves
// a screenshot of every state and the bar's pressed and focused buttons close up into outDirectory.
bool TourPlayers(HWND host, const std::string& outDirectory);
