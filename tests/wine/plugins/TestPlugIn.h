// What the test plug-ins record of their calls, for the tests that hold them loaded themselves:
// the library frees a plug-in after each call, so a test's own reference keeps the record alive.
#pragma once

#include <windows.h>

struct TestPlugInRecord {
    int calls;               // of GradientFill
    BITMAPINFOHEADER header; // as the last call found it
    SIZE_T blockSize;        // GlobalSize of the last call's DIB
    COLORREF first;
    COLORREF second;
    DWORD parameter; // the whole 32-bit slot
};

// "QueryTestPlugIn" in each test plug-in.
typedef const TestPlugInRecord*(__cdecl* QueryTestPlugInFunction)();
