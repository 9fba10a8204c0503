// Media playback: MCI by Media-ID, stage and player windows, wave-out, volume, sound and time
// values.
#pragma once

#include "QernoTypes.h"

#if defined(_WIN32)
// --- MCI device control ---
//
// A Media-ID is the device identifier MCI gives at open; 0 means no device. Failures go to the
// system log (category kLogCateMedia) under an operation label and give 1/0 or a 0 value.

// The error code of a caller that has no valid Media-ID.
constexpr unsigned long kInvalidMediaId = 0xFFFFFFFF;
// A play bound or seek target that is left out: from/to of PlayMedia, the end for SetMediaPosition.
constexpr unsigned long kNoMediaPosition = 0xFFFFFFFF;

// 1 for error 0; else logs label and MCI's text (or "Invalid Media-ID\n") and gives 0.
QERNO_API int QERNO_CALL ShowMciErrorStr(unsigned long error, const char* label);
// The same without a label.
QERNO_API int QERNO_CALL ShowMciErrorStr(unsigned long error);
// Logs text as a media-control error; always 0.
QERNO_API int QERNO_CALL ShowCustomErrorStr(const char* text);

// Opens element on the device its extension names (CD audio by deviceType alone); the Media-ID,
// timed in milliseconds (tracks, minutes, seconds and frames for CD audio), or 0.
QERNO_API unsigned short QERNO_CALL OpenMedia(const char* deviceType, const char* element,
                                              const char* alias, HWND notify);
// Plays from from to to, in the time format set; notify, when given, is told when it ends.
QERNO_API int QERNO_CALL PlayMedia(unsigned short id, unsigned long from, unsigned long to,
                                   HWND notify);
// Stops playing, waiting until the device has.
QERNO_API int QERNO_CALL StopMedia(unsigned short id);
// Pauses, waiting until the device has.
QERNO_API int QERNO_CALL PauseMedia(unsigned short id);
// Closes the device; its Media-ID is no longer valid.
QERNO_API int QERNO_CALL CloseMedia(unsigned short id);
// Switches the left and the right channel on or off; only the right one's failure is reported.
QERNO_API int QERNO_CALL SetAudioOnOff(unsigned short id, int leftOn, int rightOn);
// Switches the picture on or off.
QERNO_API int QERNO_CALL SetVideoOnOff(unsigned short id, int on);
// Sets the time format (an MCI_FORMAT_ value) of positions and lengths.
QERNO_API int QERNO_CALL SetMediaTimeFormat(unsigned short id, unsigned long format);
// 0 seeks to the start, kNoMediaPosition to the end, anything else to that position.
QERNO_API int QERNO_CALL SetMediaPosition(unsigned short id, unsigned long position);

// The answer to an MCI_STATUS_ item; 0 on failure, but 1 for MCI_STATUS_MEDIA_PRESENT.
QERNO_API unsigned long QERNO_CALL GetMediaStatus(unsigned short id, unsigned long item);
// The length, in the time format set.
QERNO_API unsigned long QERNO_CALL GetMediaLength(unsigned short id);
// The current position, in the time format set.
QERNO_API unsigned long QERNO_CALL GetMediaPosition(unsigned short id);
// The number of tracks.
QERNO_API unsigned long QERNO_CALL GetMediaTrackCount(unsigned short id);
// The mode, an MCI_MODE_ value.
QERNO_API unsigned long QERNO_CALL GetMediaMode(unsigned short id);
// A device that cannot answer counts as having its medium present.
QERNO_API unsigned long QERNO_CALL IsMediaPresent(unsigned short id);
// The same as IsMediaPresent, as an int.
QERNO_API int QERNO_CALL CheckCDAudioPresent(unsigned short id);
// The time format, an MCI_FORMAT_ value.
QERNO_API unsigned long QERNO_CALL GetMediaTimeFormat(unsigned short id);
// Whether the device is ready.
QERNO_API unsigned long QERNO_CALL IsMediaReady(unsigned short id);
// The track playing or to be played.
QERNO_API unsigned long QERNO_CALL GetMediaCurrentTrack(unsigned short id);
// 1 while playing.
QERNO_API int QERNO_CALL IsMediaPlaying(unsigned short id);
// 1 when stopped or paused.
QERNO_API int QERNO_CALL IsMediaStop(unsigned short id);
// The position the medium starts at.
QERNO_API unsigned long QERNO_CALL GetMediaStartPosition(unsigned short id);
// The length of track, in the time format set.
QERNO_API unsigned long QERNO_CALL GetMediaTrackLength(unsigned short id, unsigned short track);
// The position track starts at.
QERNO_API unsigned long QERNO_CALL GetMediaTrackStartPosition(unsigned short id,
                                                              unsigned short track);

// --- Movie and video windows ---
//
// Movies are MCI animation devices, videos MCI digital-video devices; both show their pictures
// in a display window that is a child of the host's window.

// Opens element on the animation device deviceType, its display window of style a child of
// parent when given; the Media-ID or 0. A Media-ID of 0 is refused by the calls below and logged.
QERNO_API unsigned short QERNO_CALL OpenMovie(const char* deviceType, const char* element,
                                              const char* alias, HWND parent, HWND notify,
                                              unsigned long style);
// Shows the pictures in window instead of the device's own display window.
QERNO_API int QERNO_CALL SetMovieWindow(unsigned short id, HWND window);
// The picture's rectangle in the display window when destination is set, else in the source:
// left, top, width and height, written even when the device fails (not for a Media-ID of 0).
// The setters below refuse a null rect (0); the frame queries then just answer.
QERNO_API int QERNO_CALL GetMovieFrame(unsigned short id, RECT* rect, int destination);
// Moves and sizes the display window; rect holds x, y, width, height.
QERNO_API int QERNO_CALL SetMovieWndPos(unsigned short id, RECT* rect);
// Where the picture goes in the display window; rect is a plain RECT here.
QERNO_API int QERNO_CALL SetMovieArea(unsigned short id, RECT* rect);
// Seeks as SetMediaPosition does.
QERNO_API int QERNO_CALL SetMoviePosition(unsigned short id, unsigned long position);
// Paints the current frame into dc; a null dc is refused and logged. rect is in MCI's form
// (left, top, width, height), as GetMovieFrame gives it; a null rect updates the whole picture.
QERNO_API int QERNO_CALL UpdateMovie(unsigned short id, HDC dc, RECT* rect);
// UpdateMovie without a result.
QERNO_API void QERNO_CALL PaintMovie(HDC dc, unsigned short id, RECT* rect);
// The display window; null on failure.
QERNO_API HWND QERNO_CALL GetMovieStageWnd(unsigned short id);
// GetMediaStatus of a movie.
QERNO_API unsigned long QERNO_CALL GetMovieStatus(unsigned short id, unsigned long item);
// Plays from from to to, notify told at the end; a negative bound is left out.
QERNO_API int QERNO_CALL PlayMovie(unsigned short id, int from, int to, HWND notify);
// Shows or hides the display window with a ShowWindow command.
QERNO_API int QERNO_CALL ShowMovieWindow(unsigned short id, int show);
// Closes the device.
QERNO_API int QERNO_CALL CloseMovie(unsigned short id);
// Stops playing.
QERNO_API int QERNO_CALL StopMovie(unsigned short id);
// The current frame in a bitmap compatible with dc, owned by the caller; null on failure.
QERNO_API HBITMAP QERNO_CALL GetMovieBitmap(unsigned short id, HDC dc);
// The playing speed, as MCI reports it.
QERNO_API unsigned long QERNO_CALL GetMovieSpeed(unsigned short id);
// The device's normal rate, as MCI reports it; 0 on failure.
QERNO_API unsigned long QERNO_CALL GetMovieNominalRate(unsigned short id);
// The nominal rate, or the speed for a device without one.
QERNO_API unsigned long QERNO_CALL GetMovieFrameRate(unsigned short id);

// Opens element on the digital-video device deviceType, its display window of style a child of
// parent when given; the Media-ID or 0. All but StopVideo refuse and log a Media-ID of 0.
QERNO_API unsigned short QERNO_CALL OpenVideo(const char* deviceType, const char* element,
                                              const char* alias, HWND parent, HWND notify,
                                              unsigned long style);
// Shows the pictures in window instead of the device's own display window.
QERNO_API int QERNO_CALL SetVideoWindow(unsigned short id, HWND window);
// The picture's rectangle as GetMovieFrame gives it.
QERNO_API int QERNO_CALL GetVideoFrame(unsigned short id, RECT* rect, int destination);
// Moves and sizes the display window; rect holds x, y, width, height.
QERNO_API int QERNO_CALL SetVideoWndPos(unsigned short id, RECT* rect);
// Where the picture goes in the display window; rect is a plain RECT here.
QERNO_API int QERNO_CALL SetVideoArea(unsigned short id, RECT* rect);
// Seeks as SetMediaPosition does; -1 seeks to the end.
QERNO_API int QERNO_CALL SetVideoPosition(unsigned short id, long position);
// Paints the current frame into dc, rect as for UpdateMovie; a null dc is refused and logged.
QERNO_API int QERNO_CALL UpdateVideo(unsigned short id, HDC dc, RECT* rect);
// UpdateVideo without a result.
QERNO_API void QERNO_CALL PaintVideo(HDC dc, unsigned short id, RECT* rect);
// The display window; null on failure.
QERNO_API HWND QERNO_CALL GetVideoStageWnd(unsigned short id);
// The answer to a status item of a video; 0 on failure.
QERNO_API unsigned long QERNO_CALL GetVideoStatus(unsigned short id, unsigned long item);
// Plays from from to to, notify told at the end; only -1 leaves a bound out.
QERNO_API int QERNO_CALL PlayVideo(unsigned short id, long from, long to, HWND notify);
// Shows or hides the display window with a ShowWindow command.
QERNO_API int QERNO_CALL ShowVideoWindow(unsigned short id, int show);
// Closes the device.
QERNO_API int QERNO_CALL CloseVideo(unsigned short id);
// Stops playing.
QERNO_API int QERNO_CALL StopVideo(unsigned short id);
// The current frame as GetMovieBitmap gives it.
QERNO_API HBITMAP QERNO_CALL GetVideoBitmap(unsigned short id, HDC dc);
// Switches the sound on or off.
QERNO_API int QERNO_CALL SetVideoAudioOn(unsigned short id, int on);
// Sets the playing speed, in MCI's units.
QERNO_API int QERNO_CALL SetVideoSpeed(unsigned short id, long speed);
// The playing speed, as MCI reports it.
QERNO_API unsigned long QERNO_CALL GetVideoSpeed(unsigned short id);
// The frame rate, as MCI reports it.
QERNO_API unsigned long QERNO_CALL GetVideoFrameRate(unsigned short id);
// The nominal frame rate, as MCI reports it; 0 on failure.
QERNO_API unsigned long QERNO_CALL GetVideoNominalRate(unsigned short id);

// Copies bitmap to rect's x, y with its width and height (rect's last two values); null draws
// nothing.
QERNO_API void QERNO_CALL PaintBitmap(HDC dc, HBITMAP bitmap, RECT* rect);
// A 2-pixel inverted frame of window's size at at - grip on the screen; twice removes it.
QERNO_API void QERNO_CALL InvertTracker(HWND window, POINT grip, POINT at);

// --- Sound formats ---

// Opens element on the sound device deviceType, or CD audio whatever its drive's name, with
// alias when given; the Media-ID, its time format as OpenMedia sets it, or 0.
QERNO_API unsigned short __cdecl OpenSound(const char* deviceType, const char* element,
                                           const char* alias, HWND notify);
// A wave device's bits per sample; 0 on failure.
QERNO_API unsigned long __cdecl GetWaveBitspersample(unsigned short id);
// Its samples per second.
QERNO_API unsigned long __cdecl GetWaveSamplespersec(unsigned short id);
// Its average bytes per second.
QERNO_API unsigned long __cdecl GetWaveBytespersec(unsigned short id);
// Milliseconds whatever the device's time format, which is left as it was.
QERNO_API unsigned long __cdecl GetSoundLength(unsigned short id);

// --- Player windows ---
//
// The classes the library registers at start-up, by which a host can find its windows.

// The stage windows.
constexpr char kStageWindowClass[] = "StageWndClass";
// The wave-out player's window.
constexpr char kWaveOutWindowClass[] = "waveOutClass";
// The control bar's thumb, a child of a stage or wave-out player window.
constexpr char kThumbWindowClass[] = "OwnerThumbClass";

// --- Stage windows ---
//
// A media file played in a pop-up window of its own by one call, then addressed by its key. The
// same key calls also reach the wave-out player. Wrong requests are prompted on owner, in a modal
// box (see QernoFrame.h for every call that prompts, and SetQernoUnattended). The windows take
// their keys when dispatched: see FilterQernoDllMsg for how they share the keyboard with a host.

// Opens file in a stage window under key and plays it from start to end; the window, or null,
// also when a window has the key already, which then plays again instead.
// The device's time format picks the unit of start and end: milliseconds for sound, frames for
// video and movie; kNoMediaPosition is the current position (start) or the length (end).
QERNO_API HWND QERNO_CALL OpenMediaPlayWnd(HWND owner, const char* title, const char* key,
                                           const char* file, unsigned long start,
                                           unsigned long end);
// Each gives 1, or 0 when no window has the key.
// Starts playing.
QERNO_API int QERNO_CALL PlayMediaFile(HWND owner, const char* key);
// Pauses, keeping the position.
QERNO_API int QERNO_CALL PauseMediaFile(HWND owner, const char* key);
// Stops playing.
QERNO_API int QERNO_CALL StopMediaFile(HWND owner, const char* key);
// Closes the window.
QERNO_API int QERNO_CALL CloseMediaFile(HWND owner, const char* key);
// Every stage window and the wave-out player; always 1.
QERNO_API int QERNO_CALL CloseAllMediaFile();

// The count of MPEG videos playing; it never goes below 0.
QERNO_API int QERNO_CALL GetPlayingVideoCount();
// Sets the count to 0.
QERNO_API void QERNO_CALL ZeroPlayingVideoCount();
// Counts one more.
QERNO_API void QERNO_CALL IncreasePlayingVideoCount();
// Counts one less.
QERNO_API void QERNO_CALL DecreasePlayingVideoCount();

// --- Wave-out player ---

// Plays PCM data of the RIFF/WAVE image at fileOffset in file from startMs to endMs
// (kNoMediaPosition: from the beginning, to the end) in the one player window; a player that
// exists is closed first. reserved is not used. The window, or null when the wave was refused.
QERNO_API HWND QERNO_CALL waveOutCreatePlayWnd(HWND owner, const char* title, const char* key,
                                               const char* file, unsigned long fileOffset,
                                               unsigned long reserved, unsigned long startMs,
                                               unsigned long endMs);

// --- Volume ---

// The master output of mixer 0's speaker and headphone destinations. mode 1 steps the volume
// up (value != 0) or down; 3 sets the mute to value; 4 toggles the mute; any other mode sets
// the volume to level value of 0 to 10.
QERNO_API void QERNO_CALL ChangeVolume(unsigned int mode, int value);
#endif

// --- Time values ---

// A millisecond time value that means "endless".
constexpr unsigned long kEndlessTime = 0x7FFFFFFF;
// The largest second time value; it reads back as 499 minutes 59 seconds.
constexpr unsigned short kMostTimeSeconds = 30000;

// (minutes * 60 + seconds) * 1000 + hundredths * 10 in unsigned 32 bits, or kEndlessTime.
QERNO_API unsigned long QERNO_CALL GetTimeBy3Parts(int minutes, int seconds, int hundredths,
                                                   int endless);
// Splits a millisecond value into its parts; kEndlessTime sets endless and zeroes the rest.
QERNO_API void QERNO_CALL GetTime3Parts(unsigned long value, int& minutes, int& seconds,
                                        int& hundredths, int& endless);
// minutes * 60 + seconds, cut to kMostTimeSeconds (compared unsigned, so negative sums cut too).
QERNO_API unsigned short QERNO_CALL GetTimeSecBy3Parts(int minutes, int seconds);
// Splits a second value into its parts; kMostTimeSeconds and above give 499 minutes 59 seconds.
QERNO_API void QERNO_CALL GetTimeSec3Parts(unsigned short value, int& minutes, int& seconds);
