// The control bar of the player windows: owner-drawn buttons, a track with a draggable thumb, a
// time scale and the position text. The player window owns the meaning of the buttons; the bar
// paints, moves the thumb and converts between thumb pixels and positions.
#pragma once

#include <windows.h>

enum BarControlId : int {
    kPlayButton = 2900, // play, or pause while playing
    kStopButton = 2901,
    kToStartButton = 2902,
    kPageBackButton = 2903,
    kPageForwardButton = 2904,
    kToEndButton = 2905,
    kFullScreenButton = 2906, // video only
    kCloseButton = 2907,
    kThumbWindow = 2908,
};

// The buttons the players redraw and enable by index: kPlayButton + index.
constexpr int kPlayButtonIndex = 0;
constexpr int kStopButtonIndex = 1;

// The player window's word that holds the width of the bar's button area.
constexpr int kButtonAreaWord = 2;

// The room a player window keeps for the bar under its picture.
constexpr int kPlayerBarHeight = 80;
// A sound player: the bar alone under a caption, centred on the screen (x, y, width, height).
RECT SoundPlayerPlace();

// Start-up and unload: the thumb class, the pen and fonts, the sizes of the two sheets.
bool RegisterThumbClass(HINSTANCE instance);
void CreateBarDrawingObjects();
void MeasureBarBitmaps();
void DeleteBarDrawingObjects();

// Makes the buttons and the thumb in player's bar; video adds the full-screen button.
void BuildControlBar(HWND player, bool video);
// Everything but the buttons, the thumb and the position text.
void PaintControlBar(HWND player, HDC dc, unsigned long range, bool milliseconds);
void DrawPositionText(HWND player, unsigned long range, unsigned long value, bool milliseconds);

// Answers WM_DRAWITEM for the bar's buttons.
void DrawBarButton(HWND player, const DRAWITEMSTRUCT& item, bool playing);
// Draws button kPlayButton + index at once, with the focus look if focus.
void RedrawBarButton(HWND player, int index, bool playing, bool focus);
void EnableBarButton(HWND player, int index, bool enable);
// The play and stop buttons as playing or not, the stop button enabled only while playing; the
// play button with the focus look if playFocus.
void ShowBarPlaying(HWND player, bool playing, bool playFocus);
void FocusBarButton(HWND player, int id);
// What a step button does to the thumb: SB_TOP, SB_PAGEUP, SB_PAGEDOWN or SB_BOTTOM.
int StepButtonScrollCode(int id);

// Shows value within range on the thumb.
void SetThumb(HWND player, unsigned long range, unsigned long value);
// Moves the thumb to pixel (clamped to its travel; -1 for where it is) and gives the value there.
unsigned long ThumbValue(HWND player, unsigned long range, int pixel);
// The thumb pixel for a click at the mouse lParam, or -1 when it is off the track.
int TrackHit(HWND player, LPARAM mouse);
