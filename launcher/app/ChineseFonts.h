// Fonts for the launcher's Chinese texts, in the GB2312 character set so that
// they show under any ANSI code page, from the first preferred face that the
// system has.
#pragma once

#include "common/win32/Handles.h"

#include <string>
#include <vector>

namespace launcher {

// Whether a font family of this name with Chinese (GB2312) glyphs is installed.
bool isChineseFontInstalled(const std::string& utf8Face);

// The chosen face of a preference list; when none is installed, any family
// with Chinese glyphs, and the dialog font's face when there is none at all.
std::wstring chooseChineseFace(const std::vector<std::string>& preferences);

win32::UniqueFont createChineseFont(const std::wstring& face, int points, int dpiY);

}  // namespace launcher
