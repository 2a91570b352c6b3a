#include "testsupport/GuiTest.h"

#include "testsupport/PngEncoder.h"

#include <cstdio>
#include <thread>
#include <vector>

namespace testsupport {

bool waitFor(const std::function<bool()>& condition, std::chrono::milliseconds timeout) {
    auto deadline = std::chrono::steady_clock::now() + timeout;
    for (;;) {
        if (condition()) return true;
        if (std::chrono::steady_clock::now() >= deadline) return false;
        MSG msg;
        while (::PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
            ::TranslateMessage(&msg);
            ::DispatchMessageW(&msg);
        }
        ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
    }
}

namespace {
struct FindRequest {
    DWORD processId;
    const std::wstring* className;
    const std::wstring* title;
    HWND found;
};

BOOL CALLBACK matchTopLevel(HWND window, LPARAM param) {
    auto* req = reinterpret_cast<FindRequest*>(param);
    DWORD pid = 0;
    ::GetWindowThreadProcessId(window, &pid);
    if (pid != req->processId) return TRUE;
    if (!req->className->empty()) {
        wchar_t cls[256] = {};
        ::GetClassNameW(window, cls, 256);
        if (*req->className != cls) return TRUE;
    }
    if (!req->title->empty() && windowText(window) != *req->title) return TRUE;
    req->found = window;
    return FALSE;
}
}  // namespace

HWND findTopLevelWindow(DWORD processId, const std::wstring& className, const std::wstring& title) {
    FindRequest req{processId, &className, &title, nullptr};
    ::EnumWindows(matchTopLevel, reinterpret_cast<LPARAM>(&req));
    return req.found;
}

std::wstring windowText(HWND window) {
    // WM_GETTEXT works across processes for standard controls.
    int length = static_cast<int>(::SendMessageW(window, WM_GETTEXTLENGTH, 0, 0));
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    int copied = static_cast<int>(
        ::SendMessageW(window, WM_GETTEXT, static_cast<WPARAM>(text.size()), reinterpret_cast<LPARAM>(text.data())));
    text.resize(static_cast<size_t>(copied));
    return text;
}

std::wstring moduleFolder() {
    wchar_t path[MAX_PATH] = {};
    DWORD n = ::GetModuleFileNameW(nullptr, path, MAX_PATH);
    std::wstring folder(path, n);
    return folder.substr(0, folder.find_last_of(L"\\/") + 1);
}

ChildProcess::ChildProcess(const std::wstring& exePath, const std::wstring& arguments,
                           const std::wstring& workingFolder) {
    std::wstring commandLine = L"\"" + exePath + L"\"";
    if (!arguments.empty()) commandLine += L" " + arguments;
    STARTUPINFOW si{};
    si.cb = sizeof si;
    PROCESS_INFORMATION pi{};
    if (::CreateProcessW(exePath.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                         workingFolder.empty() ? nullptr : workingFolder.c_str(), &si, &pi)) {
        ::CloseHandle(pi.hThread);
        process_.reset(pi.hProcess);
        id_ = pi.dwProcessId;
        ::WaitForInputIdle(pi.hProcess, 10000);
    }
}

ChildProcess::~ChildProcess() {
    if (running()) {
        ::TerminateProcess(process_.get(), 1);
        ::WaitForSingleObject(process_.get(), 5000);
    }
}

bool ChildProcess::running() const {
    return process_ && ::WaitForSingleObject(process_.get(), 0) == WAIT_TIMEOUT;
}

DWORD ChildProcess::waitForExit(std::chrono::milliseconds timeout) {
    if (!process_) return STILL_ACTIVE;
    if (::WaitForSingleObject(process_.get(), static_cast<DWORD>(timeout.count())) != WAIT_OBJECT_0)
        return STILL_ACTIVE;
    DWORD code = STILL_ACTIVE;
    ::GetExitCodeProcess(process_.get(), &code);
    return code;
}

std::wstring saveScreenshot(HWND window, const std::wstring& name) {
    wchar_t dir[MAX_PATH] = {};
    if (!::GetEnvironmentVariableW(L"NORVANE_SCREENSHOT_DIR", dir, MAX_PATH)) return {};
    ::CreateDirectoryW(dir, nullptr);

    RECT r{};
    if (!::GetWindowRect(window, &r)) return {};
    int width = r.right - r.left, height = r.bottom - r.top;
    if (width <= 0 || height <= 0) return {};

    // Copy from the screen rather than asking the window to paint itself:
    // the picture is what a person would see.
    win32::WindowDc screen(nullptr);
    win32::UniqueMemoryDc memory(::CreateCompatibleDC(screen.get()));
    BITMAPINFO bi{};
    bi.bmiHeader.biSize = sizeof bi.bmiHeader;
    bi.bmiHeader.biWidth = width;
    bi.bmiHeader.biHeight = -height;  // top-down rows
    bi.bmiHeader.biPlanes = 1;
    bi.bmiHeader.biBitCount = 32;
    bi.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    win32::UniqueBitmap bitmap(::CreateDIBSection(screen.get(), &bi, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!memory || !bitmap || !bits) return {};
    {
        win32::SelectScope select(memory.get(), bitmap.get());
        ::BitBlt(memory.get(), 0, 0, width, height, screen.get(), r.left, r.top, SRCCOPY);
        ::GdiFlush();
    }
    std::vector<std::uint8_t> rgb(static_cast<size_t>(width) * height * 3);
    const auto* bgra = static_cast<const std::uint8_t*>(bits);
    for (size_t i = 0, n = static_cast<size_t>(width) * height; i < n; ++i) {
        rgb[i * 3] = bgra[i * 4 + 2];
        rgb[i * 3 + 1] = bgra[i * 4 + 1];
        rgb[i * 3 + 2] = bgra[i * 4];
    }
    std::string png = encodePng(width, height, rgb);

    std::wstring path = std::wstring(dir) + L"/" + name + L".png";
    win32::UniqueFileHandle file(
        ::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) return {};
    DWORD written = 0;
    if (!::WriteFile(file.get(), png.data(), static_cast<DWORD>(png.size()), &written, nullptr) ||
        written != png.size())
        return {};
    return path;
}

}  // namespace testsupport
