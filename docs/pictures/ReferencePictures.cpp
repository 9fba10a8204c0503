// ReferencePictures.exe: draws the pictures of the API reference with the library and saves
// them as PNG files into the folder it is given.
//
//   ReferencePictures.exe FOLDER
#include "Pictures.h"
#include "Qerno.h"
#include "demo/Screenshot.h"

#include <cstdio>
#include <string>

namespace {

const Picture* const kPictures[] = {&kFancyStylesPicture, &kShadePatternsPicture,
                                    &kPlugInShapesPicture, &kFountainMidpointsPicture,
                                    &kTileFormatPicture};

// Painted into a DIB section rather than a window: nothing on the screen can cover it.
bool SavePainted(const Picture& picture, const std::string& folder) {
    BITMAPINFO format = {};
    format.bmiHeader.biSize = sizeof format.bmiHeader;
    format.bmiHeader.biWidth = picture.width;
    format.bmiHeader.biHeight = -picture.height;
    format.bmiHeader.biPlanes = 1;
    format.bmiHeader.biBitCount = 32;
    format.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP canvas = CreateDIBSection(nullptr, &format, DIB_RGB_COLORS, &bits, nullptr, 0);
    HDC dc = CreateCompatibleDC(nullptr);
    bool saved = false;
    if (canvas && dc) {
        HGDIOBJ previous = SelectObject(dc, canvas);
        const RECT whole = {0, 0, picture.width, picture.height};
        FillRect(dc, &whole, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
        SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
        saved = picture.paint(dc);
        GdiFlush();
        saved = saved && SavePicture(dc, whole, 1, folder + "\\" + picture.file);
        SelectObject(dc, previous);
    }
    if (dc)
        DeleteDC(dc);
    if (canvas)
        DeleteObject(canvas);
    return saved;
}

} // namespace

void DrawLabel(HDC dc, int x, int y, const char* text) {
    const int mode = SetBkMode(dc, TRANSPARENT);
    TextOutA(dc, x, y, text, lstrlenA(text));
    SetBkMode(dc, mode);
}

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    if (__argc != 2) {
        std::fprintf(stderr, "usage: ReferencePictures.exe FOLDER\n");
        return 2;
    }
    const std::string folder = __argv[1];
    HINSTANCE resources = LoadLibraryA("QernoRes.dll");
    if (!resources || !InitQernoDll(nullptr, resources)) {
        std::fprintf(stderr, "ReferencePictures: the library did not start\n");
        return 1;
    }
    int failures = 0;
    for (const Picture* picture : kPictures) {
        const bool saved = SavePainted(*picture, folder);
        std::printf("%s %s\n", saved ? "saved" : "FAILED to save", picture->file);
        failures += saved ? 0 : 1;
    }
    return failures ? 1 : 0;
}
