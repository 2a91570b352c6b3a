// The screen the launcher's windows are laid out for: its resolution in dots
// per inch, horizontally and vertically.
#pragma once

#include "launcher/layout/TwipLayout.h"

#include <windows.h>

namespace launcher {

class Display {
public:
    Display();
    int dpiX() const { return dpiX_; }
    int dpiY() const { return dpiY_; }

    RECT place(const TwipRect& rect) const;
    // Whole window bounds of a window of this client size in twips, with
    // this style, centred on the screen.
    RECT centredWindow(int clientWidthTwips, int clientHeightTwips, DWORD style, DWORD exStyle) const;

private:
    int dpiX_ = 96;
    int dpiY_ = 96;
};

}  // namespace launcher
