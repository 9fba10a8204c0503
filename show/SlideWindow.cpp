#include "show/SlideWindow.h"

#include "Qerno.h"
#include "show/ShowPlayer.h"
#include "show/SlideMedia.h"
#include "show/SlidePainter.h"
#include "show/SlideTransition.h"

#include <cstdio>
#include <optional>

namespace {

constexpr char kClassName[] = "QernoShowSlide";
// The caption of a show without a title.
constexpr char kUntitled[] = "QernoShow";
constexpr DWORD kWindowedStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;

enum TimerId : UINT_PTR { kAdvanceTimer = 1, kTransitionTimer };
constexpr int kTransitionFrames = 10;
constexpr UINT kTransitionFrameMs = 30;

// ChangeVolume's mode that steps the master volume up or down.
constexpr unsigned int kStepVolume = 1;

// The show as it plays in a window.
class SlideShow {
public:
    SlideShow(HWND window, const ShowDocument& document, SIZE size)
        : window_(window), document_(document), size_(size), media_(window) {}
    ~SlideShow() { Release(); }
    SlideShow(const SlideShow&) = delete;
    SlideShow& operator=(const SlideShow&) = delete;

    void Play(ShowMedia& files, int first) {
        files_ = &files;
        player_.emplace(static_cast<int>(document_.slides.size()), first);
        Enter();
    }
    bool Playing() const { return player_.has_value(); }

    void Paint(HDC dc);
    void Key(WPARAM key);
    void Next() { Follow(player_->Next()); }
    void Tick(UINT_PTR timer);
    // Stops the slide's media and frees what was made for it.
    void Release();

private:
    const ShowSlide& Slide() const { return document_.slides[player_->Current()]; }
    void Follow(ShowMove move);
    void Enter();

    HWND window_;
    const ShowDocument& document_;
    SIZE size_;
    ShowMedia* files_ = nullptr;
    std::optional<ShowPlayer> player_;
    SlideMedia media_;
    HBITMAP painted_ = nullptr; // the slide as painted, kept for the transition's frames
    int frame_ = kTransitionFrames;
};

void SlideShow::Paint(HDC dc) {
    HDC memory = CreateCompatibleDC(dc);
    if (!painted_) {
        painted_ = CreateCompatibleBitmap(dc, size_.cx, size_.cy);
        HGDIOBJ old = SelectObject(memory, painted_);
        PaintSlide(memory, size_, document_, Slide(), *files_);
        SelectObject(memory, old);
    }
    HGDIOBJ old = SelectObject(memory, painted_);
    BitBlt(dc, 0, 0, size_.cx, size_.cy, memory, 0, 0, SRCCOPY);
    SelectObject(memory, old);
    DeleteDC(memory);
    if (frame_ < kTransitionFrames)
        DrawTransition(dc, size_, Slide().transition,
                       frame_ * kTransitionPeriod / kTransitionFrames);
}

void SlideShow::Key(WPARAM key) {
    switch (key) {
    case VK_RIGHT:
    case VK_SPACE:
    case VK_NEXT:
        return Next();
    case VK_LEFT:
    case VK_PRIOR:
    case VK_BACK:
        return Follow(player_->Previous());
    case VK_HOME:
        return Follow(player_->First());
    case VK_END:
        return Follow(player_->Last());
    case VK_RETURN:
        return Follow(player_->Enter());
    case VK_ADD:
    case VK_OEM_PLUS:
        return ChangeVolume(kStepVolume, 1);
    case VK_SUBTRACT:
    case VK_OEM_MINUS:
        return ChangeVolume(kStepVolume, 0);
    case VK_ESCAPE:
        DestroyWindow(window_);
        return;
    }
    if (key >= '0' && key <= '9')
        player_->Digit(static_cast<int>(key - '0'));
    else if (key >= VK_NUMPAD0 && key <= VK_NUMPAD9)
        player_->Digit(static_cast<int>(key - VK_NUMPAD0));
}

void SlideShow::Tick(UINT_PTR timer) {
    if (timer == kAdvanceTimer)
        return Next();
    if (++frame_ >= kTransitionFrames)
        KillTimer(window_, kTransitionTimer);
    InvalidateRect(window_, nullptr, FALSE);
}

void SlideShow::Release() {
    KillTimer(window_, kAdvanceTimer);
    KillTimer(window_, kTransitionTimer);
    media_.Stop();
    if (painted_)
        DeleteObject(painted_);
    painted_ = nullptr;
}

void SlideShow::Follow(ShowMove move) {
    if (move == ShowMove::Ended)
        DestroyWindow(window_);
    else if (move == ShowMove::Moved)
        Enter();
}

void SlideShow::Enter() {
    Release();
    const std::string& title = document_.show.title;
    char caption[kMaxTitleLength + 16]; // " - 99/99" and the terminator
    std::snprintf(caption, sizeof caption, "%s - %d/%d", title.empty() ? kUntitled : title.c_str(),
                  player_->Current() + 1, player_->Count());
    SetWindowTextA(window_, caption);

    const ShowSlide& slide = Slide();
    frame_ = slide.transition == ShowTransition::None ? kTransitionFrames : 0;
    if (frame_ < kTransitionFrames)
        SetTimer(window_, kTransitionTimer, kTransitionFrameMs, nullptr);
    if (document_.show.advance == ShowAdvance::Timed)
        SetTimer(window_, kAdvanceTimer, static_cast<UINT>(slide.duration) * 1000, nullptr);
    InvalidateRect(window_, nullptr, FALSE);
    media_.Start(slide, player_->Current(), *files_);
    // A stage window that opens takes the keyboard; the show's keys must go on working.
    SetFocus(window_);
}

struct Creation {
    const ShowDocument* document;
    SIZE size;
};

LRESULT CALLBACK SlideProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* show = reinterpret_cast<SlideShow*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    switch (message) {
    case WM_NCCREATE: {
        const auto* creation =
            static_cast<const Creation*>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams);
        show = new SlideShow(window, *creation->document, creation->size);
        SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(show));
        break;
    }
    case WM_ERASEBKGND:
        return 1; // the slide covers the whole client area
    case WM_PAINT: {
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(window, &paint);
        if (show->Playing())
            show->Paint(dc);
        EndPaint(window, &paint);
        return 0;
    }
    case WM_KEYDOWN:
        if (show->Playing())
            show->Key(wParam);
        return 0;
    case WM_LBUTTONDOWN:
        if (show->Playing())
            show->Next();
        return 0;
    case WM_TIMER:
        show->Tick(wParam);
        return 0;
    case WM_DESTROY:
        show->Release();
        PostQuitMessage(0);
        return 0;
    case WM_NCDESTROY:
        SetWindowLongPtrA(window, GWLP_USERDATA, 0);
        delete show;
        break;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

} // namespace

HWND CreateSlideWindow(HINSTANCE instance, const ShowDocument& document, SIZE size,
                       bool fullScreen) {
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = SlideProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
    windowClass.lpszClassName = kClassName;
    if (!RegisterClassA(&windowClass))
        return nullptr;
    const DWORD style = fullScreen ? WS_POPUP : kWindowedStyle;
    RECT frame = {0, 0, size.cx, size.cy};
    AdjustWindowRect(&frame, style, FALSE);
    const POINT at = fullScreen ? POINT{0, 0} : POINT{CW_USEDEFAULT, CW_USEDEFAULT};
    Creation creation = {&document, size};
    const std::string& title = document.show.title;
    return CreateWindowA(kClassName, title.empty() ? kUntitled : title.c_str(), style, at.x, at.y,
                         frame.right - frame.left, frame.bottom - frame.top, nullptr, nullptr,
                         instance, &creation);
}

void PlaySlides(HWND window, ShowMedia& media, int first) {
    ShowWindow(window, SW_SHOWNORMAL);
    reinterpret_cast<SlideShow*>(GetWindowLongPtrA(window, GWLP_USERDATA))->Play(media, first);
}
