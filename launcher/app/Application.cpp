#include "launcher/app/Application.h"

namespace launcher {

void Application::windowClosed() {
    if (--openWindows_ == 0) ::PostQuitMessage(exitCode_);
}

int Application::run() {
    if (openWindows_ == 0) return exitCode_;
    MSG msg;
    while (::GetMessageW(&msg, nullptr, 0, 0) > 0) {
        HWND root = msg.hwnd ? ::GetAncestor(msg.hwnd, GA_ROOT) : nullptr;
        if (root && ::IsDialogMessageW(root, &msg)) continue;
        ::TranslateMessage(&msg);
        ::DispatchMessageW(&msg);
    }
    return static_cast<int>(msg.wParam);
}

}  // namespace launcher
