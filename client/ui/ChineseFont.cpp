#include "client/ui/ChineseFont.h"

namespace ui {

win32::UniqueFont createChineseFont(int dpi) {
    // 9 points.
    int height = -::MulDiv(9, dpi, 72);
    return win32::UniqueFont(::CreateFontW(height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, GB2312_CHARSET,
                                           OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                                           DEFAULT_PITCH | FF_DONTCARE, L"宋体"));
}

}  // namespace ui
