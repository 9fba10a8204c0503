// The sample plug-ins called as the library calls them: loaded by their names relative to the
// host's folder and given a DIB made the way the library makes one.
#include "RenderTestSupport.h"

#include "GradientShapes.h"
#include "QernoPlugIn.h"

#include <cstring>
#include <tuple>

namespace {

constexpr COLORREF kFirst = RGB(200, 30, 60), kSecond = RGB(10, 220, 140);

// The header-only DIB of a new bitmap, its pixels a colour no gradient here has.
HGLOBAL ContractDib(int width, int height, WORD bitsPerPixel = 24) {
    HBITMAP bitmap = CreateBitmap(width, height, 1, bitsPerPixel, nullptr);
    HGLOBAL dib = DibFromBitmap(bitmap, BI_RGB, bitsPerPixel, nullptr, 1);
    DeleteObject(bitmap);
    auto* header = static_cast<BITMAPINFOHEADER*>(GlobalLock(dib));
    std::memset(header + 1, 0x5A, header->biSizeImage);
    GlobalUnlock(dib);
    return dib;
}

using SamplePlugIns = RenderTest;

// The name a scan reads; every pixel in padded bottom-up rows (the radial centre moved up and
// left, the cone turned by 3 degrees tell top from bottom), of a picture large enough that two
// threads paint it and rows mirror others; the parameter's high half ignored.
// No handle, another depth, a block a byte short of its rows: refused, the block left alone.
TEST_F(SamplePlugIns, PaintEveryPixelOfTheirShapeAndRefuseOtherDibs) {
    // File, shape and name.
    const std::tuple<const char*, GradientShape, const char*> samples[] = {
        {"plugins\\QernoRadial.dll", GradientShape::Radial, "Radial gradient"},
        {"plugins\\QernoConical.dll", GradientShape::Conical, "Conical gradient"},
        {"plugins\\QernoDiamond.dll", GradientShape::Diamond, "Diamond gradient"},
        {"plugins\\QernoRectangular.dll", GradientShape::Rectangular, "Rectangular gradient"},
    };
    constexpr int kWidth = 723, kHeight = 417;
    constexpr WORD kParameter = 3;
    for (const auto& [file, shape, sampleName] : samples) {
        HMODULE module = LoadLibraryA(file);
        char name[128] = {};
        LoadStringA(module, 1, name, sizeof name);
        EXPECT_STREQ(sampleName, name);
        const auto fill = reinterpret_cast<QernoGradientFillProc>(
            reinterpret_cast<void (*)()>(GetProcAddress(module, "GradientFill")));
        ASSERT_NE(nullptr, fill) << file;
        HGLOBAL dib = ContractDib(kWidth, kHeight);
        EXPECT_NE(0, fill(dib, kFirst, kSecond, 0xABCD0000 | kParameter));
        const BYTE* bits = static_cast<BYTE*>(GlobalLock(dib)) + sizeof(BITMAPINFOHEADER);
        const GradientPicture picture = {shape, kWidth, kHeight, kParameter, kFirst, kSecond};
        for (int i = 0; i < kWidth * kHeight; ++i) {
            const int x = i % kWidth, y = i / kWidth;
            const BYTE* pixel = bits + (kHeight - 1 - y) * 2172 + 3 * x; // rows of 2,169 + 3
            ASSERT_EQ(GradientColour(picture, x, y), RGB(pixel[2], pixel[1], pixel[0]))
                << file << " at " << x << ", " << y;
        }
        GlobalUnlock(dib);
        GlobalFree(dib);
        HGLOBAL deep = ContractDib(8, 8, 32);
        HGLOBAL cut = GlobalReAlloc(ContractDib(8, 8), sizeof(BITMAPINFOHEADER) + 8 * 24 - 1, 0);
        ASSERT_NE(nullptr, cut);
        EXPECT_EQ(0, fill(nullptr, kFirst, kSecond, 0) + fill(deep, kFirst, kSecond, 0) +
                         fill(cut, kFirst, kSecond, 0));
        EXPECT_EQ(0x5A, static_cast<BYTE*>(GlobalLock(cut))[sizeof(BITMAPINFOHEADER)]);
        GlobalUnlock(cut);
        GlobalFree(cut);
        GlobalFree(deep);
        FreeLibrary(module);
    }
}

} // namespace
