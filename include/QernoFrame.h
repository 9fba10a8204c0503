// Library frame: start-up, the message-loop hooks, versions and the resource module.
// Which calls prompt the user: these show a modal box owned by the window they are given and
// wait for a button, so a host that runs with no one at the screen avoids them, or has the
// library answer them in the log instead (SetQernoUnattended; KvtMessageBox still asks). The
// Media-ID calls (OpenMedia, PlayMedia, OpenMovie, OpenVideo, OpenSound and the others that take
// a Media-ID) never prompt: their failures go to the log only, as do the registry's, the log's
// own and the colour conversions'. These do prompt:
// - KvtMessageBox and every Prompt... function below; all but KvtMessageBox log their text too.
// - InitQernoDll, when a resource table is missing or memory runs short.
// - GetCfgPath, for a path that does not exist; CheckIfBaseFile and CheckIfBaseFileInPath, for
//   a name with a folder; MyOpenFile, when given a window; MyClose, MySeek, MySeekPos,
//   _MyHRead, MyHRead and MyHWrite on failure.
// - The stage windows' calls (OpenMediaPlayWnd, PlayMediaFile, PauseMediaFile, StopMediaFile,
//   CloseMediaFile) and waveOutCreatePlayWnd, for a missing or unknown key or a file they cannot
//   play; the player windows themselves, when a device cannot be opened again or written to.
// - DIBToBitmap and CreateDIBPalette, with a system stop box over the focus window whose text is
//   logged, when GDI refuses the bitmap or the palette; and so PlugInDrawFountainRect too. A
//   plug-in that cannot be loaded or does not paint is only logged.
#pragma once

#include "QernoTypes.h"

// The version of the document the host is working on; the library gives its four
// components no meaning of its own.
struct tagLumoFileVer {
    // The four numbers, in the host's own order.
    unsigned short component[4];
};

#if defined(_WIN32)
// Starts the library beside the host's window, taking hResource over (freed at unload); non-zero
// when its tables and media windows are ready.
QERNO_API int QERNO_CALL InitQernoDll(HWND hWnd, HINSTANCE hResource);
// Call from the host's message loop before translating; non-zero when the library took the message.
// No window of the library needs a key before its dispatch, so today it takes none: the keys
// reach the library's windows the ordinary way, dispatched to the window with the focus. A
// stage or wave-out player window is activated when it opens and its control bar's buttons take
// the focus when used: Space presses the focused button, and in a full-screen stage window Space
// plays or pauses and Escape brings the bar back. A host's accelerators come before the dispatch
// and would take those keys from them: a host translates its accelerators only for messages to
// its own windows, not for those whose top-level window is of class kStageWindowClass or
// kWaveOutWindowClass. The modal boxes run their own loop, which neither this filter nor the
// host's accelerators see.
QERNO_API int QERNO_CALL FilterQernoDllMsg(MSG* pMsg);
// Call when the host's message loop goes idle; does all the library's pending idle work at once.
QERNO_API void QERNO_CALL ProcessQernoDllIdle();
#endif

// One component of the library's version, index 0..5 (4 and 5 are the product's 2.1); 0xFFFF past.
QERNO_API unsigned short QERNO_CALL GetLumoVer(unsigned int index);
// Keeps a copy of the document's version for GetCurLumoFileVer; null is ignored.
QERNO_API void QERNO_CALL SaveCurLumoFileVer(const tagLumoFileVer* version);
// One component, index 0..3, of the version last saved (0 before any); 0xFFFF past.
QERNO_API unsigned short QERNO_CALL GetCurLumoFileVer(unsigned int index);

// 1 when text is null or holds nothing but spaces, tabs and line breaks, else 0.
QERNO_API int QERNO_CALL IsStringEmpty(const char* text);

#if defined(_WIN32)
// The resource module the library takes its strings and data from; null before one is set.
QERNO_API HINSTANCE QERNO_CALL GetRCDllInstance();
// Sets the resource module without freeing the one before.
QERNO_API void QERNO_CALL SetRCDllInstance(HINSTANCE hResource);
// RCDATA id of the resource module, valid while it is loaded; null with size 0 when missing.
QERNO_API const char* QERNO_CALL LoadResourceData(unsigned int id, unsigned long& size);
// Loads string id of the resource module into size bytes, cut to fit; 1 when found, else 0.
QERNO_API int QERNO_CALL GetIDStringB(unsigned int id, char* buffer, int size);
// Appends string id at buffer's terminator, size being the room left there; 1 when found.
QERNO_API int QERNO_CALL CatIDStringB(char* buffer, unsigned int id, int size);
#endif

#if defined(_WIN32)
#include <cstdarg>

// The library's own message box: message-box flags in, command ids out.
QERNO_API int QERNO_CALL KvtMessageBox(HWND hWnd, const char* text, const char* caption,
                                       unsigned int flags);

// For a host with no one at the screen (a kiosk, a timed show): while on, every prompt below and
// the DIB functions' error box give the answer their box would default to (its default button)
// and log it instead of waiting on a modal box. KvtMessageBox itself always shows its box.
// Off by default; gives the previous state.
QERNO_API BOOL QERNO_CALL SetQernoUnattended(BOOL bUnattended);

// Informational prompts, logged at the information level; an empty text shows nothing and
// gives IDOK. The ...IDs forms take (id, text) pairs ended by the id 0xFFFFFFFF.
// Shows text under caption with the flags; the command id of the button chosen.
QERNO_API int QERNO_CALL PromptSTMsg(HWND hWnd, const char* caption, const char* text,
                                     unsigned int flags);
// The caption by string id, at most 79 characters.
QERNO_API int QERNO_CALL PromptITMsg(HWND hWnd, unsigned int captionId, const char* text,
                                     unsigned int flags);
// The text by string id, at most 79 characters.
QERNO_API int QERNO_CALL PromptSTMsgID(HWND hWnd, const char* caption, unsigned int textId,
                                       unsigned int flags);
// Caption and text by string id.
QERNO_API int QERNO_CALL PromptITMsgID(HWND hWnd, unsigned int captionId, unsigned int textId,
                                       unsigned int flags);
// The text joined from each id's string (none for id 0) and the text after it, cut at 320
// characters; a null text ends the list there and is logged.
QERNO_API int __cdecl PromptSTMsgIDs(HWND hWnd, const char* caption, unsigned int flags,
                                     unsigned int firstId, char* firstText, ...);
// PromptSTMsgIDs with the caption by string id.
QERNO_API int __cdecl PromptITMsgIDs(HWND hWnd, unsigned int captionId, unsigned int flags,
                                     unsigned int firstId, char* firstText, ...);
// PromptSTMsgIDs with the pairs after the first in a va_list, for the host's own variadic forms.
QERNO_API int __cdecl PromptSTMsgIDsArg(HWND hWnd, const char* caption, unsigned int flags,
                                        unsigned int firstId, char* firstText, va_list rest);

// Error prompts: logged at the error level, shown with the exclamation icon.
// Shows text under the module's error caption, else "Warning"; an empty text shows nothing.
QERNO_API void QERNO_CALL PromptError(HWND hWnd, const char* text);
// The text by string id, at most 79 characters.
QERNO_API void QERNO_CALL PromptErrorID(HWND hWnd, unsigned int textId);
// The text joined from (id, text) pairs as by PromptSTMsgIDs.
QERNO_API void __cdecl PromptErrorIDs(HWND hWnd, unsigned int firstId, char* firstText, ...);
// The text formatted as by printf, cut at 300 characters.
QERNO_API void __cdecl PromptErrorFmt(HWND hWnd, char* format, ...);
// String textId followed by the formatted arguments, cut at 300 characters in all.
QERNO_API void __cdecl PromptErrorIDFmt(HWND hWnd, unsigned int textId, char* format, ...);
// Tells that drive has too little free space, amount being the bytes required.
QERNO_API void QERNO_CALL PromptDiskSpaceLess(char drive, long amount, HWND hWnd);

// The system's text for the calling thread's last error, or for code.
// The last error's text, cut to size bytes; its length, 0 when the system has none.
QERNO_API unsigned long QERNO_CALL GetSystemErrorMsg(char* buffer, unsigned long size);
// The text for code, cut to size bytes; its length, 0 when the system has none.
QERNO_API unsigned long QERNO_CALL GetSystemErrorMsg(char* buffer, unsigned long code,
                                                     unsigned long size);
// Shows the last error's system text, cut at 255 characters; nothing when the last error is 0.
QERNO_API void QERNO_CALL PromptSysError(HWND hWnd);
// The formatted text, " -- " and the system's text for code (0: the last error); 2047 characters.
QERNO_API void __cdecl PromptSysErrorFmt(HWND hWnd, unsigned long code, const char* format, ...);
// Shows the common dialogs' last error; nothing when there is none.
QERNO_API void QERNO_CALL PromptCommDlgError(HWND hWnd);
#endif
