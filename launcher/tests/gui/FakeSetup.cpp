// Stands in for the installer in the launcher's tests: writes how it was
// started (its path, command line, current folder, show command, process id)
// into "started.txt" beside itself, then stays running until the test sets
// the event "NorvaneFakeSetupRelease<process id>" (or a minute passes), so a
// test can see that the launcher did not wait for it.
#include <windows.h>

#include <string>

namespace {
std::string utf8(const std::wstring& text) {
    if (text.empty()) return {};
    int n = ::WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr, nullptr);
    std::string out(static_cast<size_t>(n), '\0');
    ::WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), out.data(), n, nullptr, nullptr);
    return out;
}
}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
    DWORD pid = ::GetCurrentProcessId();
    HANDLE release = ::CreateEventW(nullptr, TRUE, FALSE, (L"NorvaneFakeSetupRelease" + std::to_wstring(pid)).c_str());

    wchar_t program[MAX_PATH * 4] = {};
    ::GetModuleFileNameW(nullptr, program, MAX_PATH * 4);
    wchar_t folder[MAX_PATH * 4] = {};
    ::GetCurrentDirectoryW(MAX_PATH * 4, folder);
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    ::GetStartupInfoW(&startup);
    int show = (startup.dwFlags & STARTF_USESHOWWINDOW) ? startup.wShowWindow : -1;

    std::string record = "program=" + utf8(program) + "\n" + "commandline=" + utf8(::GetCommandLineW()) + "\n" +
                         "folder=" + utf8(folder) + "\n" + "show=" + std::to_string(show) + "\n" +
                         "pid=" + std::to_string(pid) + "\n";

    std::wstring own(program);
    std::wstring dir = own.substr(0, own.find_last_of(L'\\') + 1);
    std::wstring partial = dir + L"started.part", done = dir + L"started.txt";
    HANDLE file = ::CreateFileW(partial.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return 2;
    DWORD written = 0;
    ::WriteFile(file, record.data(), static_cast<DWORD>(record.size()), &written, nullptr);
    ::CloseHandle(file);
    // Appears whole or not at all.
    ::MoveFileExW(partial.c_str(), done.c_str(), MOVEFILE_REPLACE_EXISTING);

    if (release) {
        ::WaitForSingleObject(release, 60000);
        ::CloseHandle(release);
    }
    return 0;
}
