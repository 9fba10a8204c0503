// The Win32 types the library's interface speaks in. On Windows they come from <windows.h>;
// elsewhere (the portable computation and its tests) this header gives the same shapes.
#pragma once

#if defined(_WIN32)
#include <windows.h>

// Marks an export: exported when building the library, imported by a host.
#if defined(QERNO_BUILDING_DLL)
#define QERNO_API __declspec(dllexport)
#else
#define QERNO_API __declspec(dllimport)
#endif
// The exports' calling convention; the variadic ones are __cdecl.
#define QERNO_CALL __stdcall

#else
#include <cstdint>

typedef int BOOL;
typedef unsigned char BYTE;
typedef std::uint16_t WORD;
typedef std::uint32_t DWORD;
typedef std::int32_t LONG;
typedef unsigned int UINT;
typedef std::uint32_t COLORREF;
typedef struct HWND__* HWND;
typedef struct HINSTANCE__* HINSTANCE;
typedef struct HDC__* HDC;
typedef struct HBITMAP__* HBITMAP;
typedef void* HGLOBAL;

typedef struct tagPOINT {
    LONG x;
    LONG y;
} POINT;

typedef struct tagRECT {
    LONG left;
    LONG top;
    LONG right;
    LONG bottom;
} RECT;

#ifndef TRUE
#define TRUE 1
#define FALSE 0
#endif

#define QERNO_API
#define QERNO_CALL
#endif
