#include "show/SlideWindow.h"

#include "show/SlidePainter.h"

namespace {

constexpr char kClassName[] = "QernoShowSlide";
constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;

LRESULT CALLBACK SlideProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    auto* view = reinterpret_cast<SlideView*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    switch (message) {
    case WM_NCCREATE:
        SetWindowLongPtrA(
            window, GWLP_USERDATA,
            reinterpret_cast<LONG_PTR>(reinterpret_cast<CREATESTRUCTA*>(lParam)->lpCreateParams));
        break;
    case WM_ERASEBKGND:
        return 1; // the slide covers the whole client area
    case WM_PAINT: {
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(window, &paint);
        if (view && view->media)
            PaintSlide(dc, view->size, *view->document, view->document->slides[view->slide],
                       *view->media);
        EndPaint(window, &paint);
        return 0;
    }
    case WM_KEYDOWN:
        if (wParam == VK_ESCAPE)
            DestroyWindow(window);
        return 0;
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

} // namespace

HWND CreateSlideWindow(HINSTANCE instance, SlideView& view) {
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = SlideProc;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
    windowClass.lpszClassName = kClassName;
    if (!RegisterClassA(&windowClass))
        return nullptr;
    RECT frame = {0, 0, view.size.cx, view.size.cy};
    AdjustWindowRect(&frame, kStyle, FALSE);
    const std::string& title = view.document->show.title;
    return CreateWindowA(kClassName, title.empty() ? "QernoShow" : title.c_str(), kStyle,
                         CW_USEDEFAULT, CW_USEDEFAULT, frame.right - frame.left,
                         frame.bottom - frame.top, nullptr, nullptr, instance, &view);
}
