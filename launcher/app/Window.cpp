#include "launcher/app/Window.h"

namespace launcher {

void Window::registerClass(HINSTANCE instance, const wchar_t* className, HICON icon, HBRUSH background) {
    WNDCLASSEXW existing{};
    existing.cbSize = sizeof existing;
    if (::GetClassInfoExW(instance, className, &existing)) return;
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = procedure;
    wc.hInstance = instance;
    wc.hIcon = icon;
    wc.hIconSm = icon;
    wc.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = background;
    wc.lpszClassName = className;
    ::RegisterClassExW(&wc);
}

HWND Window::create(HINSTANCE instance, const wchar_t* className, const wchar_t* text, DWORD style, DWORD exStyle,
                    const RECT& bounds, HWND parent, int id) {
    bool destroyed = false;
    destroyed_ = &destroyed;
    HWND created = ::CreateWindowExW(exStyle, className, text, style, bounds.left, bounds.top,
                                     bounds.right - bounds.left, bounds.bottom - bounds.top, parent,
                                     reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, this);
    // A window that failed during its creation has deleted the object
    // already; without any window nothing else will.
    if (created)
        destroyed_ = nullptr;
    else if (!destroyed)
        delete this;
    return created;
}

LRESULT Window::handle(UINT message, WPARAM wParam, LPARAM lParam) {
    return ::DefWindowProcW(hwnd_, message, wParam, lParam);
}

LRESULT CALLBACK Window::procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    Window* self = nullptr;
    if (message == WM_NCCREATE) {
        self = static_cast<Window*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        self->hwnd_ = window;
        ::SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    } else {
        self = reinterpret_cast<Window*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
    }
    if (!self) return ::DefWindowProcW(window, message, wParam, lParam);

    LRESULT result = 0;
    try {
        result = self->handle(message, wParam, lParam);
    } catch (...) {
        result = ::DefWindowProcW(window, message, wParam, lParam);
    }
    if (message == WM_NCDESTROY) {
        ::SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        if (self->destroyed_) *self->destroyed_ = true;
        delete self;
    }
    return result;
}

}  // namespace launcher
