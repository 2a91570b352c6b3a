#include "launcher/app/Display.h"

#include "common/win32/Handles.h"

namespace launcher {

Display::Display() {
    win32::WindowDc screen(nullptr);
    if (screen) {
        dpiX_ = ::GetDeviceCaps(screen.get(), LOGPIXELSX);
        dpiY_ = ::GetDeviceCaps(screen.get(), LOGPIXELSY);
    }
    if (dpiX_ <= 0) dpiX_ = 96;
    if (dpiY_ <= 0) dpiY_ = 96;
}

RECT Display::place(const TwipRect& rect) const {
    PixelRect p = toPixels(rect, dpiX_, dpiY_);
    return RECT{p.left, p.top, p.right(), p.bottom()};
}

RECT Display::centredWindow(int clientWidthTwips, int clientHeightTwips, DWORD style, DWORD exStyle) const {
    RECT r{0, 0, pixelsFromTwips(clientWidthTwips, dpiX_), pixelsFromTwips(clientHeightTwips, dpiY_)};
    ::AdjustWindowRectEx(&r, style, FALSE, exStyle);
    int width = r.right - r.left, height = r.bottom - r.top;
    PixelPoint origin =
        centredOrigin(::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN), width, height);
    return RECT{origin.x, origin.y, origin.x + width, origin.y + height};
}

}  // namespace launcher
