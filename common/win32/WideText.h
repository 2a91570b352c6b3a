// UTF-8 (the portable core's text) to and from UTF-16 (the wide Win32 API),
// and the system's ANSI code page for the byte-string parts of the installer.
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

namespace win32 {

inline std::wstring toWide(std::string_view text, UINT codePage = CP_UTF8) {
    if (text.empty()) return {};
    int n = ::MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring out(static_cast<size_t>(n), L'\0');
    ::MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()), out.data(), n);
    return out;
}

inline std::string fromWide(std::wstring_view text, UINT codePage = CP_UTF8) {
    if (text.empty()) return {};
    int n = ::WideCharToMultiByte(codePage, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr,
                                  nullptr);
    std::string out(static_cast<size_t>(n), '\0');
    ::WideCharToMultiByte(codePage, 0, text.data(), static_cast<int>(text.size()), out.data(), n, nullptr,
                          nullptr);
    return out;
}

}  // namespace win32
