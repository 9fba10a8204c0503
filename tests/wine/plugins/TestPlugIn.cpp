// A gradient-fill plug-in for the tests. Built three ways: painting (QERNO_TEST_PLUGIN_PAINTS),
// failing (its entry returns 0) and without the entry (QERNO_TEST_PLUGIN_NO_ENTRY). The entry
// is exported as "GradientFill" by the module definition: the system headers already declare a
// function of that name.
#include "TestPlugIn.h"

namespace {

TestPlugInRecord record;

} // namespace

extern "C" const TestPlugInRecord* __cdecl QueryTestPlugIn() {
    return &record;
}

#if !defined(QERNO_TEST_PLUGIN_NO_ENTRY)
extern "C" int __cdecl PaintTestGradient(HGLOBAL dib, COLORREF first, COLORREF second,
                                         DWORD parameter) {
    ++record.calls;
    record.blockSize = GlobalSize(dib);
    record.first = first;
    record.second = second;
    record.parameter = parameter;
    auto* block = static_cast<BYTE*>(GlobalLock(dib));
    if (!block)
        return 0;
    record.header = *reinterpret_cast<BITMAPINFOHEADER*>(block);
#if defined(QERNO_TEST_PLUGIN_PAINTS)
    const BITMAPINFOHEADER& header = record.header;
    const SIZE_T rowBytes = (header.biWidth * 24 + 31) / 32 * 4;
    for (LONG y = 0; y < header.biHeight; ++y) {
        BYTE* pixel = block + header.biSize + y * rowBytes;
        for (LONG x = 0; x < header.biWidth; ++x, pixel += 3) {
            const COLORREF colour = TestPlugInPixel(x, header.biWidth, first, second);
            pixel[0] = GetBValue(colour);
            pixel[1] = GetGValue(colour);
            pixel[2] = GetRValue(colour);
        }
    }
    GlobalUnlock(dib);
    return 1;
#else
    GlobalUnlock(dib);
    return 0;
#endif
}
#endif
