// The agreement window: the licence agreement, "我不同意" / "我同意", and
// "上一步", "下一步", "取　消". "下一步" warns about the Internet connection and
// starts the installer.
#pragma once

#include "common/win32/Handles.h"
#include "launcher/app/Application.h"
#include "launcher/app/Window.h"

namespace launcher {

// Shown in the banner under "许可协议".
extern const wchar_t kVendorHost[];
// The warning shown before the installer starts.
extern const wchar_t kInternetWarning[];

class FrmXY : public Window {
public:
    // Opens a new agreement window, with "我不同意" chosen and "下一步"
    // disabled; false when it could not be created.
    static bool open(Application& app);

private:
    explicit FrmXY(Application& app) : app_(app) {}
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam) override;
    void createControls();
    HWND addControl(const wchar_t* className, const wchar_t* text, DWORD style, const RECT& bounds, int id,
                    HFONT font, HWND parent = nullptr, DWORD exStyle = 0);
    void paint();
    void onCommand(int id);
    void next();

    Application& app_;
    HWND lastFocus_ = nullptr;
    win32::UniqueFont controlFont_;
    win32::UniqueFont label1Font_;
    win32::UniqueFont label3Font_;
    win32::UniqueBitmap banner_;
    win32::UniquePen linePen_;
};

}  // namespace launcher
