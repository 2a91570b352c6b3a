// The font of the window's own controls: a Chinese face created with the
// GB2312 character set, so that it shows Chinese under any ANSI code page.
#pragma once

#include "common/win32/Handles.h"

namespace ui {

win32::UniqueFont createChineseFont(int dpi);

}  // namespace ui
