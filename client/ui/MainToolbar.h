// Toolbar1: the catalogue's 25 buttons (separators at the odd indexes),
// captions below the pictures of ImageList1. A click sends WM_COMMAND with
// kToolbarCommandBase + the button's index to the parent.
#pragma once

#include <windows.h>
#include <commctrl.h>

namespace ui {

class MainToolbar {
public:
    MainToolbar() = default;
    MainToolbar(const MainToolbar&) = delete;
    MainToolbar& operator=(const MainToolbar&) = delete;
    ~MainToolbar();

    bool create(HWND parent, HINSTANCE instance, HFONT font);
    HWND window() const { return window_; }
    // Keeps the toolbar docked along the top edge after the parent's resize.
    void dock() const;

private:
    HWND window_ = nullptr;
    HIMAGELIST images_ = nullptr;  // ImageList1
};

}  // namespace ui
