// The main window's menu bar, built from the catalogue: visible top-level
// menus and visible items only, each item with its command number.
#pragma once

#include <windows.h>

namespace ui {

// A new menu bar; the caller attaches it to a window (which then owns it).
HMENU buildMenuBar();

}  // namespace ui
