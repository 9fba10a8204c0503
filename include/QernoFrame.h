// Library frame: start-up, the message-loop hooks, versions and the resource module.
#pragma once

#include "QernoTypes.h"

// The version of the document the host is working on; the library gives its four
// components no meaning of its own.
struct tagLumoFileVer {
    // The four numbers, in the host's own order.
    unsigned short component[4];
};

#if defined(_WIN32)
QERNO_API int QERNO_CALL InitQernoDll(HWND hWnd, HINSTANCE hResource);
QERNO_API int QERNO_CALL FilterQernoDllMsg(MSG* pMsg);
QERNO_API void QERNO_CALL ProcessQernoDllIdle();
#endif

QERNO_API unsigned short QERNO_CALL GetLumoVer(unsigned int index);
QERNO_API void QERNO_CALL SaveCurLumoFileVer(const tagLumoFileVer* version);
QERNO_API unsigned short QERNO_CALL GetCurLumoFileVer(unsigned int index);

QERNO_API int QERNO_CALL IsStringEmpty(const char* text);

#if defined(_WIN32)
QERNO_API HINSTANCE QERNO_CALL GetRCDllInstance();
QERNO_API void QERNO_CALL SetRCDllInstance(HINSTANCE hResource);
QERNO_API const char* QERNO_CALL LoadResourceData(unsigned int id, unsigned long& size);
QERNO_API int QERNO_CALL GetIDStringB(unsigned int id, char* buffer, int size);
QERNO_API int QERNO_CALL CatIDStringB(char* buffer, unsigned int id, int size);
#endif

#if defined(_WIN32)
#include <cstdarg>

// The library's own message box: message-box flags in, command ids out.
QERNO_API int QERNO_CALL KvtMessageBox(HWND hWnd, const char* text, const char* caption,
                                       unsigned int flags);

// Informational prompts, logged at the information level; an empty text shows nothing and
// gives IDOK. The ...IDs forms take (id, text) pairs ended by the id 0xFFFFFFFF.
QERNO_API int QERNO_CALL PromptSTMsg(HWND hWnd, const char* caption, const char* text,
                                     unsigned int flags);
QERNO_API int QERNO_CALL PromptITMsg(HWND hWnd, unsigned int captionId, const char* text,
                                     unsigned int flags);
QERNO_API int QERNO_CALL PromptSTMsgID(HWND hWnd, const char* caption, unsigned int textId,
                                       unsigned int flags);
QERNO_API int QERNO_CALL PromptITMsgID(HWND hWnd, unsigned int captionId, unsigned int textId,
                                       unsigned int flags);
QERNO_API int __cdecl PromptSTMsgIDs(HWND hWnd, const char* caption, unsigned int flags,
                                     unsigned int firstId, char* firstText, ...);
QERNO_API int __cdecl PromptITMsgIDs(HWND hWnd, unsigned int captionId, unsigned int flags,
                                     unsigned int firstId, char* firstText, ...);
QERNO_API int __cdecl PromptSTMsgIDsArg(HWND hWnd, const char* caption, unsigned int flags,
                                        unsigned int firstId, char* firstText, va_list rest);

// Error prompts: logged at the error level, shown with the exclamation icon.
QERNO_API void QERNO_CALL PromptError(HWND hWnd, const char* text);
QERNO_API void QERNO_CALL PromptErrorID(HWND hWnd, unsigned int textId);
QERNO_API void __cdecl PromptErrorIDs(HWND hWnd, unsigned int firstId, char* firstText, ...);
QERNO_API void __cdecl PromptErrorFmt(HWND hWnd, char* format, ...);
QERNO_API void __cdecl PromptErrorIDFmt(HWND hWnd, unsigned int textId, char* format, ...);
QERNO_API void QERNO_CALL PromptDiskSpaceLess(char drive, long amount, HWND hWnd);

// The system's text for the calling thread's last error, or for code.
QERNO_API unsigned long QERNO_CALL GetSystemErrorMsg(char* buffer, unsigned long size);
QERNO_API unsigned long QERNO_CALL GetSystemErrorMsg(char* buffer, unsigned long code,
                                                     unsigned long size);
QERNO_API void QERNO_CALL PromptSysError(HWND hWnd);
QERNO_API void __cdecl PromptSysErrorFmt(HWND hWnd, unsigned long code, const char* format, ...);
QERNO_API void QERNO_CALL PromptCommDlgError(HWND hWnd);
#endif
