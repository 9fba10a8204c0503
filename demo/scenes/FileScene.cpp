// Path names taken apart and joined, existence tests, a round trip through a temporary file and
// the free space of its drive.
#include "Qerno.h"
#include "Scene.h"
#include "SceneText.h"

#include <cstdio>
#include <string>

namespace {

constexpr int kMargin = 16;
constexpr int kLineHeight = 18;
constexpr UINT kCfgExtensionId = 11005;

void PaintNames(HDC dc, int x, int y) {
    DrawSceneHeading(dc, x, y, "Names taken apart");
    const int columns[] = {x, x + 190, x + 240, x + 400, x + 520};
    const char* headings[] = {"Path", "Drive", "Folder", "Base name", "With the .cfg extension"};
    for (int i = 0; i < 5; ++i)
        DrawSceneText(dc, columns[i], y + kLineHeight, headings[i]);
    int row = 2;
    for (const char* path :
         {"C:\\DATA\\A.DAT", "c:\\Show\\Intro.lmo", "D:A.B.C", "a.b\\name", "SOUND.WAV", "E:\\"}) {
        char dir[MAX_PATH], base[MAX_PATH], changed[MAX_PATH];
        GetFileDirName(path, dir);
        GetBaseFileName(path, base);
        ChangeFileExtName(changed, path, kCfgExtensionId);
        const int top = y + row++ * kLineHeight;
        DrawSceneText(dc, columns[0], top, path);
        DrawSceneText(dc, columns[1], top, std::to_string(GetDrive(path)));
        DrawSceneText(dc, columns[2], top, dir[0] ? dir : "(none)");
        DrawSceneText(dc, columns[3], top, base[0] ? base : "(none)");
        DrawSceneText(dc, columns[4], top, changed);
    }

    const int top = y + (row + 1) * kLineHeight;
    DrawSceneHeading(dc, x, top, "Names joined");
    char full[MAX_PATH];
    GetFullFileName("C:\\DATA", "A.DAT", full);
    DrawSceneText(dc, x, top + kLineHeight, std::string("C:\\DATA + A.DAT  =  ") + full);
    GetFullFileName("C:\\DATA\\", "A.DAT", full);
    DrawSceneText(dc, x, top + 2 * kLineHeight, std::string("C:\\DATA\\ + A.DAT  =  ") + full);
    GetFullFileName("", "A.DAT", full);
    DrawSceneText(dc, x, top + 3 * kLineHeight, std::string("(empty) + A.DAT  =  ") + full);
}

const char* YesNo(BOOL value) {
    return value ? "yes" : "no";
}

// Writes a file, reads it back from the middle and shows what each step reported.
void PaintRoundTrip(HDC dc, int x, int y) {
    char temp[MAX_PATH];
    GetTempPathA(sizeof temp, temp);
    const std::string dir = std::string(temp) + "QernoDemoFiles";
    CreateDirectoryA(dir.c_str(), nullptr);
    char name[MAX_PATH];
    GetFullFileName(dir.c_str(), "SCENE.DAT", name);
    HANDLE created =
        CreateFileA(name, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (created != INVALID_HANDLE_VALUE)
        CloseHandle(created);

    DrawSceneHeading(dc, x, y, "A temporary file");
    int row = 1;
    auto line = [&](const std::string& text) {
        DrawSceneText(dc, x, y + row++ * kLineHeight, text);
    };
    line(std::string("Folder exists: ") + YesNo(CheckPathExist(dir.c_str())) +
         "    file exists: " + YesNo(CheckIfPathFileExists(dir.c_str(), "SCENE.DAT")) +
         "    MISSING.DAT exists: " + YesNo(CheckIfPathFileExists(dir.c_str(), "MISSING.DAT")));
    line(std::string("'SCENE.DAT' is a bare name: ") +
         YesNo(CheckIfBaseFile(nullptr, "SCENE.DAT")));

    HANDLE file = MyOpenFile(name, 2, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        line("The file could not be opened.");
        return;
    }
    const char kContent[] = "Presentations in motion";
    line(std::string("Written \"") + kContent +
         "\": " + YesNo(MyHWrite(file, kContent, sizeof kContent - 1, nullptr, nullptr)));
    line(std::string("At position 17: ") + YesNo(MySeekPos(file, 17, nullptr, nullptr)));
    char word[8] = {}; // the six letters of the last word and room to spare
    const DWORD read = _MyHRead(file, word, sizeof word - 1, nullptr, nullptr);
    line("Read from there: " + std::to_string(read) + " bytes, \"" + word + "\"");
    line("Back to the start: position " +
         std::to_string(MySeek(file, 0, FILE_BEGIN, nullptr, nullptr)));
    line(std::string("Closed: ") + YesNo(MyClose(file, nullptr, nullptr)));
    DeleteFileA(name);
    RemoveDirectoryA(dir.c_str());

    char line1[128];
    std::snprintf(line1, sizeof line1, "Free on drive %c: %ld bytes (2 GB and more shows as %ld)",
                  'A' + GetDrive(temp) - 1, GetFreeDiskSpace(temp), 0x7FFFFFFFL);
    line(line1);
}

void PaintFiles(HDC dc, const RECT&) {
    const int saved = SaveDC(dc);
    SetBkMode(dc, TRANSPARENT);
    SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
    PaintNames(dc, kMargin, kMargin);
    PaintRoundTrip(dc, kMargin, 360);
    RestoreDC(dc, saved);
}

} // namespace

extern const Scene kFileScene = {"10-files", "Path names and file access", PaintFiles};
