// Base of the launcher's windows: one C++ object per window, created with it
// and deleted when it is destroyed. Messages reach handle(); no exception
// leaves the window procedure.
#pragma once

#include <windows.h>

namespace launcher {

class Window {
public:
    Window() = default;
    Window(const Window&) = delete;
    Window& operator=(const Window&) = delete;
    virtual ~Window() = default;

    HWND hwnd() const { return hwnd_; }

    // Registers a window class whose windows are Window objects (once per
    // class name; later calls do nothing).
    static void registerClass(HINSTANCE instance, const wchar_t* className, HICON icon, HBRUSH background);

protected:
    // Creates the window for this object, which from then on belongs to the
    // window. On failure the object is deleted and NULL returned.
    HWND create(HINSTANCE instance, const wchar_t* className, const wchar_t* text, DWORD style, DWORD exStyle,
                const RECT& bounds, HWND parent, int id = 0);

    virtual LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);

private:
    static LRESULT CALLBACK procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    HWND hwnd_ = nullptr;
    bool* destroyed_ = nullptr;  // set while create() runs
};

}  // namespace launcher
