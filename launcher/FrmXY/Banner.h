// Picture1, the agreement window's banner: a picture under two transparent
// labels ("许可协议" and the vendor's web address).
#pragma once

#include "common/win32/Handles.h"
#include "launcher/app/Window.h"

namespace launcher {

class Banner : public Window {
public:
    // Creates the banner as a child of the parent at these bounds; it shows
    // the bitmap, which the caller keeps alive while the banner exists.
    static HWND create(HINSTANCE instance, HWND parent, int id, const RECT& bounds, HBITMAP picture);

private:
    explicit Banner(HBITMAP picture) : picture_(picture) {}
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam) override;

    HBITMAP picture_;
};

}  // namespace launcher
