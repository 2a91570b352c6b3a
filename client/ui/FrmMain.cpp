#include "client/ui/FrmMain.h"

#include "client/app/PublisherResources.h"
#include "client/catalogue/AdminPageCatalogue.h"
#include "client/ui/ChineseFont.h"
#include "client/ui/Commands.h"
#include "client/ui/MenuBar.h"
#include "client/ui/Twips.h"

#include "common/win32/WideText.h"

namespace ui {

namespace {

bool registerClass(HINSTANCE instance, WNDPROC proc, HICON icon) {
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    if (::GetClassInfoExW(instance, kMainWindowClass, &wc)) return true;
    wc.lpfnWndProc = proc;
    wc.hInstance = instance;
    wc.hIcon = icon;
    wc.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
    wc.lpszClassName = kMainWindowClass;
    return ::RegisterClassExW(&wc) != 0;
}

// The screen's real resolution; 96 when it cannot be read.
void screenDpi(int& x, int& y) {
    win32::WindowDc screen(nullptr);
    x = y = 96;
    if (!screen) return;
    x = ::GetDeviceCaps(screen.get(), LOGPIXELSX);
    y = ::GetDeviceCaps(screen.get(), LOGPIXELSY);
    if (x <= 0) x = 96;
    if (y <= 0) y = 96;
}

}  // namespace

HWND FrmMain::open(HINSTANCE instance, int show) {
    HICON icon = static_cast<HICON>(::LoadImageW(instance, MAKEINTRESOURCEW(IDI_PUBLISHER), IMAGE_ICON, 0, 0,
                                                 LR_DEFAULTSIZE | LR_SHARED));
    if (!registerClass(instance, windowProc, icon)) return nullptr;
    int dpiX = 96, dpiY = 96;
    screenDpi(dpiX, dpiY);

    // The design values are the client area's position and size.
    const DWORD style = WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN;
    RECT r{twipsToPixels(DesignLayout::kFormLeft, dpiX), twipsToPixels(DesignLayout::kFormTop, dpiY), 0, 0};
    r.right = r.left + twipsToPixels(DesignLayout::kFormWidth, dpiX);
    r.bottom = r.top + twipsToPixels(DesignLayout::kFormHeight, dpiY);
    ::AdjustWindowRectEx(&r, style, TRUE, 0);

    // The window takes the object over at WM_NCCREATE and deletes it at
    // WM_NCDESTROY; until then it is ours.
    std::unique_ptr<FrmMain> form(new FrmMain(instance));
    form->dpiX_ = dpiX;
    form->dpiY_ = dpiY;
    HWND window = ::CreateWindowExW(0, kMainWindowClass, kWindowTitle, style, r.left, r.top, r.right - r.left,
                                    r.bottom - r.top, nullptr, nullptr, instance, &form);
    if (!window) return nullptr;
    ::ShowWindow(window, show);
    ::UpdateWindow(window);
    return window;
}

LRESULT CALLBACK FrmMain::windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    FrmMain* self = nullptr;
    if (message == WM_NCCREATE) {
        auto* owner = static_cast<std::unique_ptr<FrmMain>*>(reinterpret_cast<CREATESTRUCTW*>(lParam)->lpCreateParams);
        self = owner->release();
        self->window_ = window;
        ::SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
    } else {
        self = reinterpret_cast<FrmMain*>(::GetWindowLongPtrW(window, GWLP_USERDATA));
    }
    if (!self) return ::DefWindowProcW(window, message, wParam, lParam);
    LRESULT result = 0;
    try {
        result = self->handle(message, wParam, lParam);
    } catch (...) {
        result = ::DefWindowProcW(window, message, wParam, lParam);
    }
    if (message == WM_NCDESTROY) {
        ::SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        delete self;
    }
    return result;
}

LRESULT FrmMain::handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CREATE:
        createControls();
        load();
        return 0;
    case WM_SIZE:
        resize();
        return 0;
    case WM_ERASEBKGND: {
        RECT r;
        ::GetClientRect(window_, &r);
        ::FillRect(reinterpret_cast<HDC>(wParam), &r,
                   backBrush_ ? backBrush_.get() : reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
        return 1;
    }
    case WM_COMMAND:
        command(LOWORD(wParam));
        return 0;
    case WM_NOTIFY:
        if (lParam) notify(*reinterpret_cast<const NMHDR*>(lParam));
        return 0;
    case WM_CLOSE:
        if (confirmClose()) ::DestroyWindow(window_);
        return 0;
    case WM_QUERYENDSESSION:
        return confirmClose() ? TRUE : FALSE;
    case WM_ENDSESSION:
        if (wParam) ::DestroyWindow(window_);
        return 0;
    case WM_DESTROY:
        browser_.reset();
        ::PostQuitMessage(0);
        return 0;
    default:
        return ::DefWindowProcW(window_, message, wParam, lParam);
    }
}

void FrmMain::createControls() {
    font_ = createChineseFont(dpiY_);
    HMENU bar = buildMenuBar();
    if (bar && !::SetMenu(window_, bar)) ::DestroyMenu(bar);
    toolbar_.create(window_, instance_, font_.get());
    panel_.create(window_, instance_, font_.get(), dpiX_, dpiY_);
    browser_ = browser::createWebBrowser(window_, browserBounds(), *this);
}

// Each step stands alone: one that fails is skipped.
void FrmMain::load() {
    // The window chrome will be created and styled here.
    backBrush_.reset(::CreateSolidBrush(kBackColour));
    ::InvalidateRect(window_, nullptr, TRUE);

    catalogue::SiteBase::set(catalogue::ServerHost);

    if (browser_) browser_->navigate(catalogue::AdminPageCatalogue::current().signInAddress());

    // Group 7 is open at start; every button is at home.
    panel_.fill(layout_.currentGroup());
}

RECT FrmMain::browserBounds() const {
    RECT r;
    r.left = twipsToPixels(DesignLayout::kBrowserLeft, dpiX_);
    r.top = twipsToPixels(DesignLayout::kBrowserTop, dpiY_);
    r.right = r.left + twipsToPixels(layout_.browserWidth(), dpiX_);
    r.bottom = r.top + twipsToPixels(layout_.browserHeight(), dpiY_);
    return r;
}

void FrmMain::resize() {
    toolbar_.dock();
    RECT client;
    if (!::GetClientRect(window_, &client)) return;
    layout_.layout(pixelsToTwips(client.right - client.left, dpiX_), pixelsToTwips(client.bottom - client.top, dpiY_));
    if (browser_) browser_->setBounds(browserBounds());
    panel_.apply(layout_);
}

void FrmMain::command(int id) {
#ifdef NORVANE_PUBLISHER_TEST_HOOKS
    if (id == kTestWindowClosingCommand) {
        if (browser_) browser_->deliverWindowClosing();
        return;
    }
#endif
    if (id >= kNavigateButtonBase && id < kNavigateButtonBase + DesignLayout::kButtonCount) {
        navigationClicked(id - kNavigateButtonBase);
        return;
    }
    if (auto key = entryForCommand(id)) runEntry(*key);
}

void FrmMain::notify(const NMHDR& header) {
    if (header.idFrom != static_cast<UINT_PTR>(kListViewId) || header.code != NM_CLICK) return;
    const auto& click = reinterpret_cast<const NMITEMACTIVATE&>(header);
    if (click.iItem < 0) return;
    std::string text = win32::fromWide(panel_.itemText(click.iItem));
    if (auto key = catalogue::AdminPageCatalogue::resolveGroupItem(layout_.currentGroup(), text)) runEntry(*key);
}

void FrmMain::navigationClicked(int index) {
    if (!layout_.clickButton(index)) return;
    panel_.apply(layout_);
    panel_.fill(index);
}

void FrmMain::runEntry(std::string_view key) {
    auto action = catalogue::AdminPageCatalogue::current().actionFor(key);
    if (!action) return;
    switch (action->kind) {
    case catalogue::TargetKind::Page:
    case catalogue::TargetKind::FixedAddress:
        if (browser_) browser_->navigate(action->address);
        break;
    case catalogue::TargetKind::Notice:
        ::MessageBoxW(window_, win32::toWide(catalogue::kNoticeText).c_str(), kAppTitle, MB_OK);
        break;
    case catalogue::TargetKind::Close:
        ::SendMessageW(window_, WM_CLOSE, 0, 0);
        break;
    case catalogue::TargetKind::Separator:
        break;
    }
}

bool FrmMain::confirmClose() const {
    return ::MessageBoxW(window_, L"确实要提出系统吗？", L"退出", MB_YESNO | MB_ICONQUESTION) == IDYES;
}

void FrmMain::onWindowClosing() {
    ::MessageBoxW(window_, L"请不要取消!否则你要重新运行此平台。\r更改用户请选重新登陆!", kAppTitle,
                  MB_OK | MB_ICONEXCLAMATION);
}

}  // namespace ui
