// Picture1 with the nine CmdNavigate buttons above ListView1 and the nine
// ImageList2 icon lists. It only shows what NavigationLayout computed; button
// clicks and list notifications go on to the main window.
#pragma once

#include "client/ui/NavigationLayout.h"

#include <windows.h>
#include <commctrl.h>

#include <array>
#include <string>

namespace ui {

class NavigationPanel {
public:
    NavigationPanel() = default;
    NavigationPanel(const NavigationPanel&) = delete;
    NavigationPanel& operator=(const NavigationPanel&) = delete;
    ~NavigationPanel();

    bool create(HWND parent, HINSTANCE instance, HFONT font, int dpiX, int dpiY);
    // Puts Picture1, the buttons and the list where the layout says.
    void apply(const NavigationLayout& layout) const;
    // Empties the list and, for groups 0 to 7, fills it with the group's items
    // and icons.
    void fill(int group) const;
    // The text of list item `item`; empty when there is none.
    std::wstring itemText(int item) const;

    HWND list() const { return list_; }

private:
    RECT pixels(int left, int top, int width, int height) const;
    static void place(HWND window, const RECT& r);

    int dpiX_ = 96, dpiY_ = 96;
    HWND picture_ = nullptr;                                        // Picture1
    std::array<HWND, DesignLayout::kButtonCount> buttons_{};        // CmdNavigate(0 to 8)
    HWND list_ = nullptr;                                           // ListView1
    std::array<HIMAGELIST, DesignLayout::kButtonCount> images_{};   // ImageList2(0 to 8)
};

}  // namespace ui
