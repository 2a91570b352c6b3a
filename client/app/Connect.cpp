// The program's entry: refuses a second running copy, then opens the main
// window and runs its messages until it closes.
#include "client/ui/FrmMain.h"

#include "common/win32/Handles.h"

#include <windows.h>
#include <commctrl.h>
#include <ole2.h>

namespace {

// Names the one running copy in the whole session.
constexpr wchar_t kSingleCopyName[] = L"NorvanePublisherRunning";

class OleSession {
public:
    OleSession() noexcept : hr_(::OleInitialize(nullptr)) {}
    OleSession(const OleSession&) = delete;
    OleSession& operator=(const OleSession&) = delete;
    ~OleSession() {
        if (SUCCEEDED(hr_)) ::OleUninitialize();
    }

private:
    HRESULT hr_;
};

int run(HINSTANCE instance, int show) {
    win32::UniqueKernelHandle running(::CreateMutexW(nullptr, FALSE, kSingleCopyName));
    if (running && ::GetLastError() == ERROR_ALREADY_EXISTS) {
        ::MessageBoxW(nullptr, L"程序已运行！", ui::kAppTitle, MB_OK | MB_ICONEXCLAMATION);
        return 0;
    }
    OleSession ole;
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_BAR_CLASSES | ICC_LISTVIEW_CLASSES | ICC_STANDARD_CLASSES};
    ::InitCommonControlsEx(&controls);

    if (!ui::FrmMain::open(instance, show)) return 1;
    MSG msg;
    while (::GetMessageW(&msg, nullptr, 0, 0) > 0) {
        ::TranslateMessage(&msg);
        ::DispatchMessageW(&msg);
    }
    return static_cast<int>(msg.wParam);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show) {
    try {
        return run(instance, show);
    } catch (...) {
        return 1;
    }
}
