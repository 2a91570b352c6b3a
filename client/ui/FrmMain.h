// The client's main window: menu bar, toolbar, navigation bar and embedded
// browser. Every event is resolved through the catalogue into a navigation,
// a notice or the close question.
#pragma once

#include "client/browser/Browser.h"
#include "client/ui/MainToolbar.h"
#include "client/ui/NavigationLayout.h"
#include "client/ui/NavigationPanel.h"

#include "common/win32/Handles.h"

#include <windows.h>

#include <memory>
#include <string_view>

namespace ui {

inline constexpr wchar_t kMainWindowClass[] = L"NorvaneFrmMain";
inline constexpr wchar_t kWindowTitle[] = L"Norvane皮毛行业智能发布平台V.2004";
// The title of message boxes that have none of their own.
inline constexpr wchar_t kAppTitle[] = L"Norvane智能网站发布系统";
inline constexpr COLORREF kBackColour = RGB(207, 203, 207);

class FrmMain final : private browser::BrowserEvents {
public:
    // Opens the window; it lives until it is closed (the object with it).
    static HWND open(HINSTANCE instance, int show);
    ~FrmMain() override = default;

private:
    explicit FrmMain(HINSTANCE instance) : instance_(instance) {}
    static LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT handle(UINT message, WPARAM wParam, LPARAM lParam);

    void createControls();
    void load();
    void resize();
    void command(int id);
    void notify(const NMHDR& header);
    void navigationClicked(int index);
    void runEntry(std::string_view key);
    bool confirmClose() const;
    void onWindowClosing() override;

    RECT browserBounds() const;

    HINSTANCE instance_;
    HWND window_ = nullptr;
    int dpiX_ = 96, dpiY_ = 96;
    win32::UniqueBrush backBrush_;
    win32::UniqueFont font_;
    win32::UniqueIcon icon_;
    MainToolbar toolbar_;
    NavigationPanel panel_;
    NavigationLayout layout_;
    std::unique_ptr<browser::Browser> browser_;  // WebBrowser1
};

}  // namespace ui
