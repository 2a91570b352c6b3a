// What the main window needs of its embedded web browser: one navigation,
// its place in the window, and one notification. No COM in sight.
#pragma once

#include <windows.h>

#include <memory>
#include <string_view>

namespace browser {

class BrowserEvents {
public:
    virtual ~BrowserEvents() = default;
    // A script of the shown page asks to close the browser window. The
    // request is never vetoed from here.
    virtual void onWindowClosing() = 0;
};

class Browser {
public:
    virtual ~Browser() = default;
    // Loads the address (UTF-8) into the control, replacing the current page;
    // returns at once. A refused navigation is ignored.
    virtual void navigate(std::string_view address) = 0;
    // Pixel rectangle in the parent window's client area.
    virtual void setBounds(const RECT& bounds) = 0;
    // Delivers the control's window-closing event to the event sink through
    // IDispatch::Invoke, exactly as the control raises it.
    virtual void deliverWindowClosing() = 0;
};

// The system's WebBrowser control, in-place active in the parent window;
// nullptr when it cannot be created. Needs OLE initialised on this thread.
std::unique_ptr<Browser> createWebBrowser(HWND parent, const RECT& bounds, BrowserEvents& events);

}  // namespace browser
