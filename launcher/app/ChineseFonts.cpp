#include "launcher/app/ChineseFonts.h"

#include "common/win32/WideText.h"
#include "launcher/fonts/FontChoice.h"
#include "launcher/layout/TwipLayout.h"

namespace launcher {

namespace {
int CALLBACK noteFamily(const LOGFONTW*, const TEXTMETRICW*, DWORD, LPARAM found) {
    *reinterpret_cast<bool*>(found) = true;
    return 0;
}

int CALLBACK takeFirstFamily(const LOGFONTW* font, const TEXTMETRICW*, DWORD, LPARAM out) {
    if (font->lfFaceName[0] == L'@') return 1;  // vertical-writing variant
    *reinterpret_cast<std::wstring*>(out) = font->lfFaceName;
    return 0;
}

// Any installed family with Chinese glyphs.
std::wstring firstChineseFamily() {
    LOGFONTW query{};
    query.lfCharSet = GB2312_CHARSET;
    std::wstring face;
    win32::WindowDc screen(nullptr);
    ::EnumFontFamiliesExW(screen.get(), &query, takeFirstFamily, reinterpret_cast<LPARAM>(&face), 0);
    return face;
}

std::wstring dialogFace() {
    NONCLIENTMETRICSW metrics{};
    metrics.cbSize = sizeof metrics;
    if (::SystemParametersInfoW(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0))
        return metrics.lfMessageFont.lfFaceName;
    return L"Tahoma";
}
}  // namespace

bool isChineseFontInstalled(const std::string& utf8Face) {
    std::wstring face = win32::toWide(utf8Face);
    if (face.empty() || face.size() >= LF_FACESIZE) return false;
    LOGFONTW query{};
    query.lfCharSet = GB2312_CHARSET;
    face.copy(query.lfFaceName, LF_FACESIZE - 1);
    bool found = false;
    win32::WindowDc screen(nullptr);
    ::EnumFontFamiliesExW(screen.get(), &query, noteFamily, reinterpret_cast<LPARAM>(&found), 0);
    return found;
}

std::wstring chooseChineseFace(const std::vector<std::string>& preferences) {
    std::string face = chooseFace(preferences, isChineseFontInstalled, std::string());
    if (!face.empty()) return win32::toWide(face);
    std::wstring any = firstChineseFamily();
    return any.empty() ? dialogFace() : any;
}

win32::UniqueFont createChineseFont(const std::wstring& face, int points, int dpiY) {
    LOGFONTW lf{};
    lf.lfHeight = fontHeightForPoints(points, dpiY);
    lf.lfWeight = FW_NORMAL;
    lf.lfCharSet = GB2312_CHARSET;
    lf.lfOutPrecision = OUT_DEFAULT_PRECIS;
    lf.lfClipPrecision = CLIP_DEFAULT_PRECIS;
    lf.lfQuality = DEFAULT_QUALITY;
    lf.lfPitchAndFamily = DEFAULT_PITCH | FF_DONTCARE;
    face.substr(0, LF_FACESIZE - 1).copy(lf.lfFaceName, LF_FACESIZE - 1);
    return win32::UniqueFont(::CreateFontIndirectW(&lf));
}

}  // namespace launcher
