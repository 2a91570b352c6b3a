// The first window: the CD's picture with "安　装" and "退　出".
#pragma once

#include "common/win32/Handles.h"
#include "launcher/app/Application.h"
#include "launcher/app/Window.h"

namespace launcher {

class FrmInstall : public Window {
public:
    // Opens a new install window; false when it could not be created.
    static bool open(Application& app);

private:
    explicit FrmInstall(Application& app) : app_(app) {}
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam) override;
    void createControls();
    void paint();
    void drawButton(const DRAWITEMSTRUCT& item);
    void onCommand(int id);

    Application& app_;
    HWND lastFocus_ = nullptr;
    win32::UniqueBitmap background_;
    win32::UniqueFont buttonFont_;
    win32::UniqueBrush buttonBrush_;
};

}  // namespace launcher
