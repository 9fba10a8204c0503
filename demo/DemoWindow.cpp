#include "DemoWindow.h"

#include <string>

namespace {

constexpr char kClassName[] = "QernoDemoHost";
const Scene* currentScene = nullptr;

LRESULT CALLBACK DemoProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_PAINT: {
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(window, &paint);
        RECT client;
        GetClientRect(window, &client);
        FillRect(dc, &client, GetSysColorBrush(COLOR_BTNFACE));
        if (currentScene) {
            const int saved = SaveDC(dc);
            currentScene->paint(dc, client);
            RestoreDC(dc, saved);
        }
        EndPaint(window, &paint);
        return 0;
    }
    case WM_DESTROY:
        PostQuitMessage(0);
        return 0;
    default:
        return DefWindowProcA(window, message, wParam, lParam);
    }
}

} // namespace

HWND CreateDemoWindow(HINSTANCE instance) {
    WNDCLASSA windowClass = {};
    windowClass.lpfnWndProc = DemoProcedure;
    windowClass.hInstance = instance;
    windowClass.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512)); // IDC_ARROW
    windowClass.lpszClassName = kClassName;
    if (!RegisterClassA(&windowClass))
        return nullptr;
    return CreateWindowA(kClassName, "Qerno Demo", WS_OVERLAPPEDWINDOW, 20, 20, 1024, 768, nullptr,
                         nullptr, instance, nullptr);
}

void ShowScene(HWND window, const Scene& scene) {
    currentScene = &scene;
    SetWindowTextA(window, (std::string("Qerno Demo - ") + scene.title).c_str());
    InvalidateRect(window, nullptr, TRUE);
    UpdateWindow(window);
}
