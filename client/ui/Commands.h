// Command numbers of the main window's menu items, toolbar buttons and
// navigation buttons, and the way back from a number to its catalogue entry.
#pragma once

#include <optional>
#include <string_view>

namespace ui {

// Menu item k of top-level menu m (both 0-based, catalogue order, hidden ones
// included) has the command kMenuCommandBase + m * kMenuStride + k.
inline constexpr int kMenuCommandBase = 1000;
inline constexpr int kMenuStride = 100;
// Toolbar button n (1 to 25) has the command kToolbarCommandBase + n.
inline constexpr int kToolbarCommandBase = 2000;
// Navigation button i (0 to 8) has the control id kNavigateButtonBase + i.
inline constexpr int kNavigateButtonBase = 3000;
inline constexpr int kListViewId = 3100;
inline constexpr int kToolbarId = 3101;
inline constexpr int kPictureId = 3102;
inline constexpr int kBrowserId = 3103;
// Test builds only: delivers the browser's window-closing event to its sink.
inline constexpr int kTestWindowClosingCommand = 3200;

// The command of a menu entry key; nullopt for a key that is no menu item.
std::optional<int> menuCommandFor(std::string_view key);
// The entry key a command stands for (menu items and captioned toolbar
// buttons); nullopt for separators, unknown numbers and anything else.
std::optional<std::string_view> entryForCommand(int command);

}  // namespace ui
