#include "launcher/FrmInstall/FrmInstall.h"

#include "launcher/FrmXY/FrmXY.h"
#include "launcher/app/AutorunIds.h"
#include "launcher/app/ChineseFonts.h"
#include "launcher/app/Display.h"
#include "launcher/app/Resources.h"
#include "launcher/fonts/FontChoice.h"
#include "launcher/layout/FormLayouts.h"

namespace launcher {

namespace {
// No border, no caption, no taskbar button (a tool window has none).
constexpr DWORD kStyle = WS_POPUP | WS_CLIPCHILDREN;
constexpr DWORD kExStyle = WS_EX_TOOLWINDOW;
constexpr COLORREF kButtonColour = RGB(255, 128, 0);
}  // namespace

bool FrmInstall::open(Application& app) {
    Window::registerClass(app.instance(), AUTORUN_FRMINSTALL_CLASS,
                          ::LoadIconW(app.instance(), MAKEINTRESOURCEW(IDI_AUTORUN)),
                          reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
    FrmInstallLayout layout;
    RECT bounds = Display().centredWindow(layout.clientWidth, layout.clientHeight, kStyle, kExStyle);
    auto* form = new FrmInstall(app);
    HWND window = form->create(app.instance(), AUTORUN_FRMINSTALL_CLASS, L"SETUP", kStyle, kExStyle, bounds, nullptr);
    if (!window) return false;
    ::ShowWindow(window, SW_SHOWNORMAL);
    ::UpdateWindow(window);
    ::SetForegroundWindow(window);
    ::SetFocus(::GetDlgItem(window, IDC_FRMINSTALL_CMDOK));
    return true;
}

void FrmInstall::createControls() {
    Display display;
    FrmInstallLayout layout;
    background_ = loadPictureResource(app_.instance(), IDR_BACKGROUND_JPEG);
    buttonFont_ = createChineseFont(chooseChineseFace(textFacePreferences()), kControlPoints, display.dpiY());
    buttonBrush_.reset(::CreateSolidBrush(kButtonColour));

    struct Button {
        int id;
        const wchar_t* text;
        TwipRect rect;
    } buttons[] = {
        {IDC_FRMINSTALL_CMDOK, L"安　装", layout.cmdOK},
        {IDC_FRMINSTALL_CMDCANCEL, L"退　出", layout.cmdCancel},
    };
    for (const Button& b : buttons) {  // created in tab order
        RECT r = display.place(b.rect);
        HWND button = ::CreateWindowExW(0, L"BUTTON", b.text, WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_OWNERDRAW,
                                        r.left, r.top, r.right - r.left, r.bottom - r.top, hwnd(),
                                        reinterpret_cast<HMENU>(static_cast<INT_PTR>(b.id)), app_.instance(), nullptr);
        ::SendMessageW(button, WM_SETFONT, reinterpret_cast<WPARAM>(buttonFont_.get()), FALSE);
    }
}

void FrmInstall::paint() {
    win32::PaintScope paint(hwnd());
    RECT client{};
    ::GetClientRect(hwnd(), &client);
    if (background_)
        drawBitmapStretched(paint.dc(), background_.get(), client);
    else
        ::FillRect(paint.dc(), &client, ::GetSysColorBrush(COLOR_BTNFACE));
}

// A graphical button in the orange back colour: raised when up, sunken when
// pressed, with the focus rectangle inside.
void FrmInstall::drawButton(const DRAWITEMSTRUCT& item) {
    HDC dc = item.hDC;
    RECT r = item.rcItem;
    bool pressed = (item.itemState & ODS_SELECTED) != 0;
    ::FillRect(dc, &r, buttonBrush_.get());
    RECT edge = r;
    ::DrawEdge(dc, &edge, pressed ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT);

    wchar_t text[64] = {};
    ::GetWindowTextW(item.hwndItem, text, 64);
    RECT textArea = r;
    if (pressed) ::OffsetRect(&textArea, 1, 1);
    int oldMode = ::SetBkMode(dc, TRANSPARENT);
    COLORREF oldColour = ::SetTextColor(dc, (item.itemState & ODS_DISABLED) ? RGB(128, 64, 0) : RGB(0, 0, 0));
    {
        win32::SelectScope font(dc, buttonFont_.get());
        ::DrawTextW(dc, text, -1, &textArea, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    }
    ::SetTextColor(dc, oldColour);
    ::SetBkMode(dc, oldMode);
    if (item.itemState & ODS_FOCUS) {
        RECT focus = r;
        ::InflateRect(&focus, -4, -4);
        ::DrawFocusRect(dc, &focus);
    }
}

void FrmInstall::onCommand(int id) {
    if (id == IDC_FRMINSTALL_CMDOK) {
        // The agreement window opens before this one closes, so the program
        // never runs without a window.
        if (FrmXY::open(app_)) ::PostMessageW(hwnd(), WM_CLOSE, 0, 0);
    } else if (id == IDC_FRMINSTALL_CMDCANCEL) {
        ::PostMessageW(hwnd(), WM_CLOSE, 0, 0);
    }
}

LRESULT FrmInstall::handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_NCCREATE:
        app_.windowOpened();
        break;
    case WM_CREATE:
        createControls();
        return 0;
    case WM_ERASEBKGND:
        return 1;  // the picture covers the whole client area
    case WM_PAINT:
        paint();
        return 0;
    case WM_ACTIVATE:
        // As in a dialog: the focus leaves with the window and comes back to
        // the same control.
        if (LOWORD(wParam) == WA_INACTIVE) {
            HWND focus = ::GetFocus();
            if (focus && ::IsChild(hwnd(), focus)) lastFocus_ = focus;
        } else {
            ::SetFocus(lastFocus_ && ::IsWindow(lastFocus_) ? lastFocus_ : ::GetDlgItem(hwnd(), IDC_FRMINSTALL_CMDOK));
        }
        return 0;
    case WM_DRAWITEM:
        drawButton(*reinterpret_cast<const DRAWITEMSTRUCT*>(lParam));
        return TRUE;
    case WM_COMMAND:
        if (HIWORD(wParam) == BN_CLICKED) onCommand(LOWORD(wParam));
        return 0;
    case WM_CLOSE:
        ::DestroyWindow(hwnd());
        return 0;
    case WM_NCDESTROY:
        app_.windowClosed();
        break;
    }
    return Window::handle(message, wParam, lParam);
}

}  // namespace launcher
