// Writing a gradient-fill plug-in: a DLL the library loads by file name whenever a gradient
// bitmap is needed, and frees again after the one call.
//
// The entry. The DLL exports one function by the name "GradientFill" (the system headers declare
// another function of that name, so export it under it through a module definition file:
// "EXPORTS GradientFill = MyGradientFill"):
//
//     extern "C" int __cdecl MyGradientFill(HGLOBAL dib, COLORREF first, COLORREF second,
//                                           DWORD parameter);
//
// The library's call site restores its own stack, so __stdcall works as well; __cdecl is what
// the samples use. No exception may leave the entry.
//
//   dib        an unlocked movable block (GlobalLock it, GlobalUnlock it before returning; do not
//              free or resize it) holding a packed DIB: the 40-byte BITMAPINFOHEADER with the
//              picture's width and positive height (so the rows run bottom-up), 1 plane,
//              24 bits per pixel, BI_RGB and biSizeImage filled; no colour table; then the rows,
//              each padded to a multiple of 4 bytes, pixels in blue, green, red order. The
//              pixels are allocated for the whole picture but their contents are undefined:
//              paint every one.
//   first      the first colour, as the host gave it;
//   second     the second colour;
//   parameter  the host's plug-in parameter: only the low 16 bits are defined.
//   result     non-zero when every pixel has been painted; 0 for failure, and the library then
//              draws nothing.
//
// The strings. A plug-in scan loads every DLL of the host's folder and lists those whose string
// table holds id 1, the display name (at most 127 characters), and id 2, a short version (at
// most 10 characters):
//
//     STRINGTABLE
//     BEGIN
//         1 "Radial gradient"
//         2 "1.0"
//     END
//
// The registry. The host's style lists show the plug-ins registered under HKEY_LOCAL_MACHINE,
// key "SoftWare\Brelvik\Brelvik Lumo Studio\2.1":
//   "Shade"            "Num"          DWORD   how many entries follow (200 when absent)
//   "Shade\ShadeN"     "Key"          DWORD   the entry's key, 1..199 (0 is the built-in
//                                             "null.dll"); N counts from 0 without gaps
//                      "DisplayName"  string  at most 259 characters
//                      "FileName"     string  passed to LoadLibraryA: a name relative to the
//                                             host's folder, such as "plugins\QernoRadial.dll"
// A 32-bit host on 64-bit Windows reads the 32-bit view of the registry: import its entries
// with "reg import FILE /reg:32" (or the regedit of `%windir%\SysWOW64`), and a 64-bit host's
// with "reg import FILE /reg:64". bin/plugins/QernoSamplePlugIns.reg of the SDK registers the
// four samples below as keys 1 to 4.
//
// The samples (bin/plugins/ of the SDK) blend from the first colour at the centre to the second
// at the rim, the parameter shaping each:
//   QernoRadial.dll       circles; the low byte moves the centre to the right, the high byte
//                         downwards, each a signed percentage of half the picture (0: middle)
//   QernoConical.dll      rays; the first colour along the ray at parameter degrees
//                         counter-clockwise from three o'clock, the second opposite it
//   QernoDiamond.dll      a diamond touching the sides' middles; the parameter is the number
//                         of ramps out to it, each turning back (0 counts as 1)
//   QernoRectangular.dll  rectangles out to the border; ramps as for the diamond
#pragma once

#include <windows.h>

// The exported "GradientFill", as GetProcAddress gives it.
typedef int(__cdecl* QernoGradientFillProc)(HGLOBAL dib, COLORREF first, COLORREF second,
                                            DWORD parameter);
