#include "launcher/app/InstallerStart.h"

#include "common/win32/Handles.h"
#include "common/win32/WideText.h"
#include "launcher/path/InstallerPath.h"

#include <vector>

namespace launcher {

std::wstring ownProgramPath() {
    std::vector<wchar_t> buffer(MAX_PATH);
    for (;;) {
        DWORD n = ::GetModuleFileNameW(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (n == 0) return {};
        if (n < buffer.size()) return std::wstring(buffer.data(), n);
        if (buffer.size() >= 32768) return {};
        buffer.resize(buffer.size() * 2);
    }
}

std::wstring ownInstallerPath() {
    std::string program = win32::fromWide(ownProgramPath());
    return win32::toWide(installerPath(folderOfProgram(program)));
}

namespace {
std::wstring systemMessage(DWORD error) {
    wchar_t* text = nullptr;
    DWORD n = ::FormatMessageW(FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM |
                                   FORMAT_MESSAGE_IGNORE_INSERTS,
                               nullptr, error, 0, reinterpret_cast<wchar_t*>(&text), 0, nullptr);
    std::wstring message = n ? std::wstring(text, n) : L"错误代码 " + std::to_wstring(error);
    if (text) ::LocalFree(text);
    while (!message.empty() && (message.back() == L'\n' || message.back() == L'\r')) message.pop_back();
    return message;
}
}  // namespace

std::wstring startInstaller(const std::wstring& path) {
    DWORD attributes = ::GetFileAttributesW(path.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES || (attributes & FILE_ATTRIBUTE_DIRECTORY))
        return L"找不到安装程序文件：\r\n" + path + L"\r\n\r\n请确认光盘完好，安装程序位于光盘的 Install 文件夹中。";

    std::wstring commandLine = L"\"" + path + L"\"";
    std::wstring folder = win32::toWide(folderPart(win32::fromWide(path)));
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_SHOWNORMAL;
    PROCESS_INFORMATION started{};
    if (!::CreateProcessW(path.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                          folder.empty() ? nullptr : folder.c_str(), &startup, &started)) {
        DWORD error = ::GetLastError();
        return L"无法启动安装程序：\r\n" + path + L"\r\n\r\n" + systemMessage(error);
    }
    win32::UniqueKernelHandle process(started.hProcess), thread(started.hThread);
    return {};
}

}  // namespace launcher
