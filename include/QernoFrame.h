// Library frame: start-up, the message-loop hooks, versions and the resource module.
#pragma once

#include "QernoTypes.h"

// The version of the document the host is working on; the library gives its four
// components no meaning of its own.
struct tagLumoFileVer {
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
