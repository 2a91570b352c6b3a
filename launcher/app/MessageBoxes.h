// The launcher's message boxes: the application's title, and the text in a
// Chinese font so that it shows under any ANSI code page (the system's
// message font has no Chinese glyphs on a system set for Western languages).
#pragma once

#include <windows.h>

#include <string>

namespace launcher {

extern const wchar_t kAppTitle[];

// MessageBoxW with the title "Autorun"; returns its result.
int showMessageBox(HWND owner, const std::wstring& text, UINT type);

}  // namespace launcher
