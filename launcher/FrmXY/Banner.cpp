#include "launcher/FrmXY/Banner.h"

#include "launcher/app/AutorunIds.h"
#include "launcher/app/Resources.h"

namespace launcher {

HWND Banner::create(HINSTANCE instance, HWND parent, int id, const RECT& bounds, HBITMAP picture) {
    Window::registerClass(instance, AUTORUN_BANNER_CLASS, nullptr, nullptr);
    auto* banner = new Banner(picture);
    return banner->Window::create(instance, AUTORUN_BANNER_CLASS, L"", WS_CHILD | WS_VISIBLE, 0, bounds, parent, id);
}

LRESULT Banner::handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_ERASEBKGND:
        return 1;
    case WM_PAINT: {
        win32::PaintScope paint(hwnd());
        RECT client{};
        ::GetClientRect(hwnd(), &client);
        if (picture_)
            drawBitmapStretched(paint.dc(), picture_, client);
        else
            ::FillRect(paint.dc(), &client, ::GetSysColorBrush(COLOR_WINDOW));
        return 0;
    }
    case WM_CTLCOLORSTATIC: {
        // The labels show the picture through their background.
        HDC dc = reinterpret_cast<HDC>(wParam);
        ::SetBkMode(dc, TRANSPARENT);
        ::SetTextColor(dc, RGB(0, 0, 0));
        return reinterpret_cast<LRESULT>(::GetStockObject(NULL_BRUSH));
    }
    }
    return Window::handle(message, wParam, lParam);
}

}  // namespace launcher
