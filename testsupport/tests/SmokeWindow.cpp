// A plain window with a Chinese label: what the display smoke test opens.
#include <windows.h>

namespace {
LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY) {
        ::PostQuitMessage(0);
        return 0;
    }
    return ::DefWindowProcW(window, message, wParam, lParam);
}
}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show) {
    WNDCLASSW wc{};
    wc.lpfnWndProc = windowProc;
    wc.hInstance = instance;
    wc.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = L"NorvaneSmokeWindow";
    ::RegisterClassW(&wc);
    HWND window = ::CreateWindowW(wc.lpszClassName, L"冒烟测试", WS_OVERLAPPEDWINDOW, 40, 40, 320, 160, nullptr,
                                  nullptr, instance, nullptr);
    HWND label = ::CreateWindowW(L"STATIC", L"中文显示 Chinese text", WS_CHILD | WS_VISIBLE, 20, 20, 260, 24, window,
                                 nullptr, instance, nullptr);
    ::SendMessageW(label, WM_SETFONT, reinterpret_cast<WPARAM>(::GetStockObject(DEFAULT_GUI_FONT)), TRUE);
    ::ShowWindow(window, show);
    MSG msg;
    while (::GetMessageW(&msg, nullptr, 0, 0) > 0) {
        ::TranslateMessage(&msg);
        ::DispatchMessageW(&msg);
    }
    return static_cast<int>(msg.wParam);
}
