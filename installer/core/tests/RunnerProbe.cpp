// A program for the program runner's tests. Its instructions are
// "REPORT|CODE|RELEASE|EVENT": from the command line (REPORT CODE [RELEASE
// [EVENT]]), from the one document it is asked to open, or from the file
// "<own path>.args" when it has no arguments. It writes REPORT (its working
// folder, show command and command line), sets the event EVENT if it has
// inherited it, waits until the file RELEASE exists, writes REPORT.done and
// exits with CODE.
#include <windows.h>

#include <cstdlib>
#include <string>
#include <vector>

namespace {

std::string readAll(const std::string& path) {
    std::string bytes;
    HANDLE h = ::CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
    if (h == INVALID_HANDLE_VALUE) return bytes;
    char buffer[1024];
    DWORD moved = 0;
    while (::ReadFile(h, buffer, sizeof buffer, &moved, nullptr) && moved > 0) bytes.append(buffer, moved);
    ::CloseHandle(h);
    return bytes;
}

void writeAll(const std::string& path, const std::string& bytes) {
    const std::string temporary = path + ".tmp";
    HANDLE h = ::CreateFileA(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (h == INVALID_HANDLE_VALUE) return;
    DWORD moved = 0;
    ::WriteFile(h, bytes.data(), static_cast<DWORD>(bytes.size()), &moved, nullptr);
    ::CloseHandle(h);
    ::MoveFileExA(temporary.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING);
}

std::vector<std::string> splitInstructions(std::string text) {
    const auto end = text.find_first_of("\r\n");
    if (end != std::string::npos) text.resize(end);
    std::vector<std::string> fields;
    std::size_t from = 0;
    for (;;) {
        const auto bar = text.find('|', from);
        fields.push_back(text.substr(from, bar - from));
        if (bar == std::string::npos) return fields;
        from = bar + 1;
    }
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    if (args.size() == 1) {
        args = splitInstructions(readAll(args[0]));
    } else if (args.empty()) {
        char self[MAX_PATH];
        ::GetModuleFileNameA(nullptr, self, MAX_PATH);
        args = splitInstructions(readAll(std::string(self) + ".args"));
    }
    if (args.size() < 2) return 100;
    args.resize(4);
    const std::string& report = args[0];

    char folder[MAX_PATH] = "";
    ::GetCurrentDirectoryA(MAX_PATH, folder);
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    ::GetStartupInfoA(&startup);
    const int show = (startup.dwFlags & STARTF_USESHOWWINDOW) ? startup.wShowWindow : -1;
    if (!args[3].empty()) ::SetEvent(reinterpret_cast<HANDLE>(std::strtoull(args[3].c_str(), nullptr, 10)));
    writeAll(report, std::string("cwd=") + folder + "\r\nshow=" + std::to_string(show) + "\r\ncommand=" +
                         ::GetCommandLineA() + "\r\n");

    if (!args[2].empty())
        for (int i = 0; i < 3000 && ::GetFileAttributesA(args[2].c_str()) == INVALID_FILE_ATTRIBUTES; ++i)
            ::Sleep(10);
    writeAll(report + ".done", "done");
    return std::atoi(args[1].c_str());
}
