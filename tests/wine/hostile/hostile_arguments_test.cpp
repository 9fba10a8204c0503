// Calls a careless host makes: null pointers where nothing vouches for them, a path that is not
// ended where it should be, rectangles over the whole coordinate range. Each runs in a child
// process, so that a crash or a hang is reported by the call's name and the run goes on.
#include "Qerno.h"
#include "support/LibraryHostTest.h"

#include <gtest/gtest.h>

#include <climits>
#include <cstring>

namespace {

constexpr DWORD kPatienceMs = 20000;
constexpr int kHung = 3;

DWORD WINAPI EndHungChild(void*) {
    Sleep(kPatienceMs);
    TerminateProcess(GetCurrentProcess(), kHung);
    return 0;
}

// Runs in the child: its exit status says whether the call gave its failure result. Nothing
// of the library's unload runs there.
void RunChild(bool (*call)()) {
    CloseHandle(CreateThread(nullptr, 0, EndHungChild, nullptr, 0, nullptr));
    TerminateProcess(GetCurrentProcess(), call() ? 0 : 1);
}

// A small picture to draw on: what lies outside it must cost nothing.
class SmallCanvas {
public:
    SmallCanvas()
        : dc_(CreateCompatibleDC(nullptr)), bitmap_(CreateBitmap(64, 64, 1, 32, nullptr)) {
        previous_ = SelectObject(dc_, bitmap_);
    }
    ~SmallCanvas() {
        SelectObject(dc_, previous_);
        DeleteObject(bitmap_);
        DeleteDC(dc_);
    }
    HDC dc() const { return dc_; }

private:
    HDC dc_;
    HBITMAP bitmap_;
    HGDIOBJ previous_;
};

RECT gHuge = {0, 0, INT_MAX, INT_MAX};
RECT gRect = {1, 2, 30, 40};
POINT gPoint = {1, 2};
char gOut[MAX_PATH];

bool PathEndingAtNoAccessPage() {
    SYSTEM_INFO system;
    GetSystemInfo(&system);
    const DWORD page = system.dwPageSize;
    auto* pages = static_cast<char*>(
        VirtualAlloc(nullptr, 2 * page, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE));
    DWORD previous = 0;
    VirtualProtect(pages + page, page, PAGE_NOACCESS, &previous);
    char* path = pages + page - 127; // 127 characters and no terminator before the guard
    std::memset(path, 'x', 127);
    std::memcpy(path, "C:\\", 3);
    const long free = GetFreeDiskSpace(path);
    VirtualFree(pages, 0, MEM_RELEASE);
    return free > 0;
}

class HostileArguments : public LibraryHostTest {};

TEST_F(HostileArguments, AreRefusedWithoutACrashOrAHang) {
    static HWND window;
    window = host();
    const struct {
        const char* name;
        bool (*call)();
    } calls[] = {
        {"GetFreeDiskSpace, unended path", PathEndingAtNoAccessPage},
        {"GetFreeDiskSpace", [] { return GetFreeDiskSpace(nullptr) == 0; }},
        {"PromptErrorFmt", [] { return PromptErrorFmt(window, nullptr), true; }},
        {"CLumoRegist::GetIndexByName",
         [] {
             CLumoRegist registry;
             return registry.Open("Paths", TRUE) &&
                    !registry.GetIndexByName("Media", nullptr, nullptr);
         }},
        {"GetLumoPathString", [] { return !GetLumoPathString("Media", nullptr, 10); }},
        {"GetBaseFileName",
         [] { return !GetBaseFileName(nullptr, gOut) && !GetBaseFileName("a.txt", nullptr); }},
        {"GetFileDirName",
         [] { return GetFileDirName(nullptr, gOut), GetFileDirName("c:\\a.txt", nullptr), true; }},
        {"GetFullFileName",
         [] {
             GetFullFileName(nullptr, "a", gOut), GetFullFileName("c:\\", nullptr, gOut);
             return GetFullFileName("c:\\", "a", nullptr), true;
         }},
        {"ChangeFileExtName",
         [] {
             return !ChangeFileExtName(nullptr, 0) && !ChangeFileExtName(nullptr, "a.b", 0) &&
                    !ChangeFileExtName(gOut, nullptr, 0);
         }},
        {"CheckIfBaseFile", [] { return !CheckIfBaseFile(window, nullptr); }},
        {"SortRect, GetRectPoints",
         [] {
             POINT corners[4];
             SortRect(nullptr), GetRectPoints(nullptr, corners);
             return GetRectPoints(&gRect, nullptr), true;
         }},
        {"IsRect1InRect2, IsRectInRect, CompRect",
         [] {
             return !IsRect1InRect2(nullptr, &gRect) && !IsRect1InRect2(&gRect, nullptr) &&
                    !IsRectInRect(nullptr, &gRect) && !CompRect(&gRect, nullptr);
         }},
        {"CroppingRect, CropRect",
         [] { return CroppingRect(nullptr, &gRect), CropRect(&gRect, nullptr), true; }},
        {"RectHandlePos, SetRectHandlePos",
         [] {
             RectHandlePos(nullptr, &gPoint, 1), RectHandlePos(&gRect, nullptr, 1);
             return SetRectHandlePos(nullptr, 4, gPoint, 1), true;
         }},
        {"ShiftLine, ShiftRect",
         [] { return ShiftLine(nullptr, &gPoint), ShiftRect(&gPoint, nullptr, 1, 1), true; }},
        {"DrawRect, DrawRoundRect, _DrawRoundRect",
         [] {
             SmallCanvas canvas;
             DrawRect(canvas.dc(), nullptr), DrawRoundRect(canvas.dc(), nullptr, 10);
             return _DrawRoundRect(canvas.dc(), nullptr, 10), true;
         }},
        {"GetRectRoundSize",
         [] {
             SmallCanvas canvas;
             long size = 0;
             GetRectRoundSize(canvas.dc(), nullptr, 10, &size, &size);
             return GetRectRoundSize(canvas.dc(), &gRect, 10, nullptr, nullptr), true;
         }},
        {"DrawShimmer, huge",
         [] {
             SmallCanvas canvas;
             for (unsigned short direction = 0; direction < 4; ++direction)
                 DrawShimmer(canvas.dc(), direction, 1, 0xFF, &gHuge, GetHoriShimmerBmp(),
                             GetVertShimmerBmp());
             return true;
         }},
        {"DrawSparkle, huge",
         [] {
             SmallCanvas canvas;
             return DrawSparkle(canvas.dc(), 0, 1, 0xFF, &gHuge, 16, 1), true;
         }},
        {"PaintFancyChar3, huge",
         [] {
             SmallCanvas canvas;
             HDC memory = CreateCompatibleDC(canvas.dc());
             PaintFancyChar3(canvas.dc(), memory, 13, &gHuge, 16, 16);
             return DeleteDC(memory), true;
         }},
        {"PaintFcRect, PaintFcLine, huge",
         [] {
             SmallCanvas canvas;
             POINT corners[] = {{0, 0}, {INT_MAX, INT_MAX}};
             PaintFcRect(canvas.dc(), corners, 16, 13);
             return PaintFcLine(canvas.dc(), corners, 16, 13), true;
         }},
    };
    for (const auto& call : calls)
        EXPECT_EXIT(RunChild(call.call), testing::ExitedWithCode(0), "") << call.name;
}

} // namespace
