// A gradient-fill plug-in for the tests. Built three ways: painting (QERNO_TEST_PLUGIN_PAINTS),
// failing (its entry returns 0) and without the entry (QERNO_TEST_PLUGIN_NO_ENTRY); the first two
// also with a __stdcall entry (QERNO_TEST_PLUGIN_STDCALL). The entry is exported as
// "GradientFill" by the module definition: the system headers already declare a function of
// that name.
#include "TestPlugIn.h"

namespace {

TestPlugInRecord record;

#if defined(QERNO_TEST_PLUGIN_PAINTS)
constexpr bool kPaints = true;
#else
constexpr bool kPaints = false;
#endif

} // namespace

extern "C" const TestPlugInRecord* __cdecl QueryTestPlugIn() {
    return &record;
}

#if !defined(QERNO_TEST_PLUGIN_NO_ENTRY)
#if defined(QERNO_TEST_PLUGIN_STDCALL)
#define QERNO_TEST_ENTRY_CALL __stdcall
#else
#define QERNO_TEST_ENTRY_CALL __cdecl
#endif

// The first colour in the left half, the second in the right: a test sees both the colours and
// the orientation.
extern "C" int QERNO_TEST_ENTRY_CALL PaintTestGradient(HGLOBAL dib, COLORREF first, COLORREF second,
                                                       DWORD parameter) {
    record = {record.calls + 1, {}, GlobalSize(dib), first, second, parameter};
    auto* block = static_cast<BYTE*>(GlobalLock(dib));
    if (!block)
        return 0;
    const BITMAPINFOHEADER& header = record.header = *reinterpret_cast<BITMAPINFOHEADER*>(block);
    const SIZE_T rowBytes = (header.biWidth * 24 + 31) / 32 * 4;
    for (LONG y = 0; kPaints && y < header.biHeight; ++y) {
        for (LONG x = 0; x < header.biWidth; ++x) {
            const COLORREF colour = x < header.biWidth / 2 ? first : second;
            BYTE* pixel = block + header.biSize + y * rowBytes + 3 * x;
            pixel[0] = GetBValue(colour);
            pixel[1] = GetGValue(colour);
            pixel[2] = GetRValue(colour);
        }
    }
    GlobalUnlock(dib);
    return kPaints;
}
#endif
