// The launcher's run: its two windows come and go, the program lasts while
// one of them is open.
#pragma once

#include <windows.h>

namespace launcher {

class Application {
public:
    explicit Application(HINSTANCE instance) : instance_(instance) {}
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    HINSTANCE instance() const { return instance_; }

    // Each window reports its creation and its destruction; when the last
    // one is gone the message loop ends with the exit code.
    void windowOpened() { ++openWindows_; }
    void windowClosed();
    void setExitCode(int code) { exitCode_ = code; }

    // Runs the message loop, with dialog keyboard handling (Tab, arrows,
    // mnemonics) for the launcher's windows. Returns the exit code.
    int run();

private:
    HINSTANCE instance_;
    int openWindows_ = 0;
    int exitCode_ = 0;
};

}  // namespace launcher
