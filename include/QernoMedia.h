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
QERNO_API int QERNO_CALL ShowMciErrorStr(unsigned long error);
// Logs text as a media-control error; always 0.
QERNO_API int QERNO_CALL ShowCustomErrorStr(const char* text);

QERNO_API unsigned short QERNO_CALL OpenMedia(const char* deviceType, const char* element,
                                              const char* alias, HWND notify);
QERNO_API int QERNO_CALL PlayMedia(unsigned short id, unsigned long from, unsigned long to,
                                   HWND notify);
QERNO_API int QERNO_CALL StopMedia(unsigned short id);
QERNO_API int QERNO_CALL PauseMedia(unsigned short id);
QERNO_API int QERNO_CALL CloseMedia(unsigned short id);
QERNO_API int QERNO_CALL SetAudioOnOff(unsigned short id, int leftOn, int rightOn);
QERNO_API int QERNO_CALL SetVideoOnOff(unsigned short id, int on);
QERNO_API int QERNO_CALL SetMediaTimeFormat(unsigned short id, unsigned long format);
// 0 seeks to the start, kNoMediaPosition to the end, anything else to that position.
QERNO_API int QERNO_CALL SetMediaPosition(unsigned short id, unsigned long position);

QERNO_API unsigned long QERNO_CALL GetMediaStatus(unsigned short id, unsigned long item);
QERNO_API unsigned long QERNO_CALL GetMediaLength(unsigned short id);
QERNO_API unsigned long QERNO_CALL GetMediaPosition(unsigned short id);
QERNO_API unsigned long QERNO_CALL GetMediaTrackCount(unsigned short id);
QERNO_API unsigned long QERNO_CALL GetMediaMode(unsigned short id);
// A device that cannot answer counts as having its medium present.
QERNO_API unsigned long QERNO_CALL IsMediaPresent(unsigned short id);
QERNO_API int QERNO_CALL CheckCDAudioPresent(unsigned short id);
QERNO_API unsigned long QERNO_CALL GetMediaTimeFormat(unsigned short id);
QERNO_API unsigned long QERNO_CALL IsMediaReady(unsigned short id);
QERNO_API unsigned long QERNO_CALL GetMediaCurrentTrack(unsigned short id);
QERNO_API int QERNO_CALL IsMediaPlaying(unsigned short id);
// 1 when stopped or paused.
QERNO_API int QERNO_CALL IsMediaStop(unsigned short id);
QERNO_API unsigned long QERNO_CALL GetMediaStartPosition(unsigned short id);
QERNO_API unsigned long QERNO_CALL GetMediaTrackLength(unsigned short id, unsigned short track);
QERNO_API unsigned long QERNO_CALL GetMediaTrackStartPosition(unsigned short id,
                                                              unsigned short track);

// --- Movie and video windows ---
//
// Movies are MCI animation devices, videos MCI digital-video devices; both show their pictures
// in a display window that is a child of the host's window.

QERNO_API unsigned short QERNO_CALL OpenMovie(const char* deviceType, const char* element,
                                              const char* alias, HWND parent, HWND notify,
                                              unsigned long style);
QERNO_API int QERNO_CALL SetMovieWindow(unsigned short id, HWND window);
// The picture's left, top, width and height; written even when the device fails. The setters
// below refuse a null rect (0); the frame queries then just answer.
QERNO_API int QERNO_CALL GetMovieFrame(unsigned short id, RECT* rect, int destination);
// rect holds x, y, width, height.
QERNO_API int QERNO_CALL SetMovieWndPos(unsigned short id, RECT* rect);
QERNO_API int QERNO_CALL SetMovieArea(unsigned short id, RECT* rect);
QERNO_API int QERNO_CALL SetMoviePosition(unsigned short id, unsigned long position);
// rect is in MCI's form (left, top, width, height), as GetMovieFrame gives it; a null rect
// updates the whole picture.
QERNO_API int QERNO_CALL UpdateMovie(unsigned short id, HDC dc, RECT* rect);
QERNO_API void QERNO_CALL PaintMovie(HDC dc, unsigned short id, RECT* rect);
QERNO_API HWND QERNO_CALL GetMovieStageWnd(unsigned short id);
QERNO_API unsigned long QERNO_CALL GetMovieStatus(unsigned short id, unsigned long item);
// A negative bound is left out.
QERNO_API int QERNO_CALL PlayMovie(unsigned short id, int from, int to, HWND notify);
QERNO_API int QERNO_CALL ShowMovieWindow(unsigned short id, int show);
QERNO_API int QERNO_CALL CloseMovie(unsigned short id);
QERNO_API int QERNO_CALL StopMovie(unsigned short id);
// The current frame in a bitmap compatible with dc, owned by the caller; null on failure.
QERNO_API HBITMAP QERNO_CALL GetMovieBitmap(unsigned short id, HDC dc);
QERNO_API unsigned long QERNO_CALL GetMovieSpeed(unsigned short id);
QERNO_API unsigned long QERNO_CALL GetMovieNominalRate(unsigned short id);
// The nominal rate, or the speed for a device without one.
QERNO_API unsigned long QERNO_CALL GetMovieFrameRate(unsigned short id);

QERNO_API unsigned short QERNO_CALL OpenVideo(const char* deviceType, const char* element,
                                              const char* alias, HWND parent, HWND notify,
                                              unsigned long style);
QERNO_API int QERNO_CALL SetVideoWindow(unsigned short id, HWND window);
QERNO_API int QERNO_CALL GetVideoFrame(unsigned short id, RECT* rect, int destination);
QERNO_API int QERNO_CALL SetVideoWndPos(unsigned short id, RECT* rect);
QERNO_API int QERNO_CALL SetVideoArea(unsigned short id, RECT* rect);
QERNO_API int QERNO_CALL SetVideoPosition(unsigned short id, long position);
// rect as for UpdateMovie.
QERNO_API int QERNO_CALL UpdateVideo(unsigned short id, HDC dc, RECT* rect);
QERNO_API void QERNO_CALL PaintVideo(HDC dc, unsigned short id, RECT* rect);
QERNO_API HWND QERNO_CALL GetVideoStageWnd(unsigned short id);
QERNO_API unsigned long QERNO_CALL GetVideoStatus(unsigned short id, unsigned long item);
// Only -1 leaves a bound out.
QERNO_API int QERNO_CALL PlayVideo(unsigned short id, long from, long to, HWND notify);
QERNO_API int QERNO_CALL ShowVideoWindow(unsigned short id, int show);
QERNO_API int QERNO_CALL CloseVideo(unsigned short id);
QERNO_API int QERNO_CALL StopVideo(unsigned short id);
QERNO_API HBITMAP QERNO_CALL GetVideoBitmap(unsigned short id, HDC dc);
QERNO_API int QERNO_CALL SetVideoAudioOn(unsigned short id, int on);
QERNO_API int QERNO_CALL SetVideoSpeed(unsigned short id, long speed);
QERNO_API unsigned long QERNO_CALL GetVideoSpeed(unsigned short id);
QERNO_API unsigned long QERNO_CALL GetVideoFrameRate(unsigned short id);
QERNO_API unsigned long QERNO_CALL GetVideoNominalRate(unsigned short id);

// Copies bitmap to rect's x, y with its width and height (rect's last two values); null draws
// nothing.
QERNO_API void QERNO_CALL PaintBitmap(HDC dc, HBITMAP bitmap, RECT* rect);
// A 2-pixel inverted frame of window's size at at - grip on the screen; twice removes it.
QERNO_API void QERNO_CALL InvertTracker(HWND window, POINT grip, POINT at);

// --- Sound formats ---

QERNO_API unsigned short __cdecl OpenSound(const char* deviceType, const char* element,
                                           const char* alias, HWND notify);
QERNO_API unsigned long __cdecl GetWaveBitspersample(unsigned short id);
QERNO_API unsigned long __cdecl GetWaveSamplespersec(unsigned short id);
QERNO_API unsigned long __cdecl GetWaveBytespersec(unsigned short id);
// Milliseconds whatever the device's time format, which is left as it was.
QERNO_API unsigned long __cdecl GetSoundLength(unsigned short id);

// --- Stage windows ---
//
// A media file played in a pop-up window of its own by one call, then addressed by its key. The
// same key calls also reach the wave-out player. Wrong requests are prompted on owner.

// The device's time format picks the unit of start and end: milliseconds for sound, frames for
// video and movie; kNoMediaPosition is the current position (start) or the length (end).
QERNO_API HWND QERNO_CALL OpenMediaPlayWnd(HWND owner, const char* title, const char* key,
                                           const char* file, unsigned long start,
                                           unsigned long end);
// Each gives 1, or 0 when no window has the key.
QERNO_API int QERNO_CALL PlayMediaFile(HWND owner, const char* key);
QERNO_API int QERNO_CALL PauseMediaFile(HWND owner, const char* key);
QERNO_API int QERNO_CALL StopMediaFile(HWND owner, const char* key);
QERNO_API int QERNO_CALL CloseMediaFile(HWND owner, const char* key);
// Every stage window and the wave-out player; always 1.
QERNO_API int QERNO_CALL CloseAllMediaFile();

// The count of MPEG videos playing; it never goes below 0.
QERNO_API int QERNO_CALL GetPlayingVideoCount();
QERNO_API void QERNO_CALL ZeroPlayingVideoCount();
QERNO_API void QERNO_CALL IncreasePlayingVideoCount();
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
QERNO_API void QERNO_CALL GetTime3Parts(unsigned long value, int& minutes, int& seconds,
                                        int& hundredths, int& endless);
// minutes * 60 + seconds, cut to kMostTimeSeconds (compared unsigned, so negative sums cut too).
QERNO_API unsigned short QERNO_CALL GetTimeSecBy3Parts(int minutes, int seconds);
QERNO_API void QERNO_CALL GetTimeSec3Parts(unsigned short value, int& minutes, int& seconds);
