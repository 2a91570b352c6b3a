// Helpers for tests that drive real windows under Wine: wait on a condition
// (never on a fixed sleep), find windows, start and stop a program under test,
// and save screenshots for a person to look at.
#pragma once

#include "common/win32/Handles.h"

#include <windows.h>

#include <chrono>
#include <functional>
#include <string>

namespace testsupport {

// Polls the condition, pumping this thread's messages in between, until it
// holds or the timeout passes. Returns whether it held.
bool waitFor(const std::function<bool()>& condition,
             std::chrono::milliseconds timeout = std::chrono::seconds(20));

// A top-level window of the given process with this class (or any class when
// empty) and this exact title (or any title when empty); NULL when none.
HWND findTopLevelWindow(DWORD processId, const std::wstring& className, const std::wstring& title);

// The text of a window or control.
std::wstring windowText(HWND window);

// Folder of the test executable, with a trailing backslash.
std::wstring moduleFolder();

// A program under test, started with CreateProcess. Terminated if still
// running when the object is destroyed, so a failing test leaves nothing behind.
class ChildProcess {
public:
    ChildProcess(const std::wstring& exePath, const std::wstring& arguments, const std::wstring& workingFolder = {});
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;
    ~ChildProcess();

    bool started() const { return static_cast<bool>(process_); }
    DWORD id() const { return id_; }
    HANDLE handle() const { return process_.get(); }
    bool running() const;
    // Waits for the process to end; returns its exit code, or STILL_ACTIVE on timeout.
    DWORD waitForExit(std::chrono::milliseconds timeout = std::chrono::seconds(20));

private:
    win32::UniqueKernelHandle process_;
    DWORD id_ = 0;
};

// Writes <NORVANE_SCREENSHOT_DIR>/<name>.png with what the screen shows of the
// window. Returns the path written, or an empty text on failure.
std::wstring saveScreenshot(HWND window, const std::wstring& name);

}  // namespace testsupport
