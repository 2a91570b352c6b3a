#include "launcher/FrmXY/FrmXY.h"

#include "common/win32/WideText.h"
#include "launcher/FrmInstall/FrmInstall.h"
#include "launcher/FrmXY/Banner.h"
#include "launcher/agreement/AgreementText.h"
#include "launcher/app/AutorunIds.h"
#include "launcher/app/ChineseFonts.h"
#include "launcher/app/Display.h"
#include "launcher/app/InstallerStart.h"
#include "launcher/app/MessageBoxes.h"
#include "launcher/app/Resources.h"
#include "launcher/fonts/FontChoice.h"
#include "launcher/layout/FormLayouts.h"

namespace launcher {

const wchar_t kVendorHost[] = L"www.norvane.cn";
const wchar_t kInternetWarning[] = L"请你在安装本系统后,确认能正常的访问Internet再运行本系统。";

namespace {
// Fixed single border, caption with the close box only, a taskbar button.
constexpr DWORD kStyle = WS_OVERLAPPED | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
constexpr DWORD kExStyle = WS_EX_APPWINDOW;
constexpr COLORREF kLineColour = RGB(192, 192, 192);
}  // namespace

bool FrmXY::open(Application& app) {
    Window::registerClass(app.instance(), AUTORUN_FRMXY_CLASS, ::LoadIconW(app.instance(), MAKEINTRESOURCEW(IDI_AUTORUN)),
                          reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1));
    FrmXYLayout layout;
    RECT bounds = Display().centredWindow(layout.clientWidth, layout.clientHeight, kStyle, kExStyle);
    auto* form = new FrmXY(app);
    HWND window = form->create(app.instance(), AUTORUN_FRMXY_CLASS, L"安装", kStyle, kExStyle, bounds, nullptr);
    if (!window) return false;
    ::ShowWindow(window, SW_SHOWNORMAL);
    ::UpdateWindow(window);
    ::SetForegroundWindow(window);
    ::SetFocus(::GetDlgItem(window, IDC_FRMXY_TEXT1));
    return true;
}

HWND FrmXY::addControl(const wchar_t* className, const wchar_t* text, DWORD style, const RECT& bounds, int id,
                       HFONT font, HWND parent, DWORD exStyle) {
    HWND control = ::CreateWindowExW(exStyle, className, text, WS_CHILD | WS_VISIBLE | style, bounds.left, bounds.top,
                                     bounds.right - bounds.left, bounds.bottom - bounds.top, parent ? parent : hwnd(),
                                     reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), app_.instance(), nullptr);
    ::SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    return control;
}

void FrmXY::createControls() {
    Display display;
    FrmXYLayout layout;
    std::wstring textFace = chooseChineseFace(textFacePreferences());
    std::wstring labelFace = chooseChineseFace(clericalFacePreferences());
    controlFont_ = createChineseFont(textFace, kControlPoints, display.dpiY());
    label1Font_ = createChineseFont(labelFace, kLabel1Points, display.dpiY());
    label3Font_ = createChineseFont(labelFace, kLabel3Points, display.dpiY());
    banner_.reset(static_cast<HBITMAP>(
        ::LoadImageW(app_.instance(), MAKEINTRESOURCEW(IDB_BANNER), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
    linePen_.reset(::CreatePen(PS_SOLID, kLineWidthPixels, kLineColour));

    // Created in tab order: the agreement box first, it takes the focus.
    std::wstring agreement = win32::toWide(agreementForDisplay(resourceBytes(app_.instance(), IDR_AGREEMENT_TEXT)));
    addControl(L"EDIT", agreement.c_str(),
               WS_TABSTOP | WS_VSCROLL | ES_MULTILINE | ES_AUTOVSCROLL | ES_READONLY | ES_NOHIDESEL,
               display.place(layout.text1), IDC_FRMXY_TEXT1, controlFont_.get(), nullptr, WS_EX_CLIENTEDGE);

    HWND banner = Banner::create(app_.instance(), hwnd(), IDC_FRMXY_PICTURE1, display.place(layout.picture1),
                                 banner_.get());
    addControl(L"STATIC", L"许可协议", SS_LEFT | SS_NOPREFIX, display.place(layout.label1), IDC_FRMXY_LABEL1,
               label1Font_.get(), banner);
    addControl(L"STATIC", kVendorHost, SS_LEFT | SS_NOPREFIX, display.place(layout.label3), IDC_FRMXY_LABEL3,
               label3Font_.get(), banner);

    addControl(L"STATIC", L"请认真阅读此协议", SS_LEFT | SS_NOPREFIX, display.place(layout.label2), IDC_FRMXY_LABEL2,
               controlFont_.get());
    addControl(L"BUTTON", L"我不同意", WS_TABSTOP | WS_GROUP | BS_AUTORADIOBUTTON, display.place(layout.optionDisagree),
               IDC_FRMXY_OPTION1_0, controlFont_.get());
    addControl(L"BUTTON", L"我同意", BS_AUTORADIOBUTTON, display.place(layout.optionAgree), IDC_FRMXY_OPTION1_1,
               controlFont_.get());
    ::CheckRadioButton(hwnd(), IDC_FRMXY_OPTION1_0, IDC_FRMXY_OPTION1_1, IDC_FRMXY_OPTION1_0);
    HWND nextButton = addControl(L"BUTTON", L"下一步", WS_TABSTOP | WS_GROUP | BS_PUSHBUTTON,
                                 display.place(layout.cmdOK), IDC_FRMXY_CMDOK, controlFont_.get());
    ::EnableWindow(nextButton, FALSE);
    addControl(L"BUTTON", L"上一步", WS_TABSTOP | BS_PUSHBUTTON, display.place(layout.cmdPre), IDC_FRMXY_CMDPRE,
               controlFont_.get());
    addControl(L"BUTTON", L"取　消", WS_TABSTOP | BS_PUSHBUTTON, display.place(layout.cmdCancel),
               IDC_FRMXY_CMDCANCEL, controlFont_.get());
}

void FrmXY::paint() {
    win32::PaintScope paint(hwnd());
    Display display;
    FrmXYLayout layout;
    win32::SelectScope pen(paint.dc(), linePen_.get());
    for (const TwipLine& line : {layout.line1, layout.line2}) {
        ::MoveToEx(paint.dc(), pixelsFromTwips(line.x1, display.dpiX()), pixelsFromTwips(line.y1, display.dpiY()),
                   nullptr);
        ::LineTo(paint.dc(), pixelsFromTwips(line.x2, display.dpiX()), pixelsFromTwips(line.y2, display.dpiY()));
    }
}

void FrmXY::next() {
    // A disabled button cannot be clicked; a click that arrives anyway (a
    // posted message) must not start the installer either.
    if (!::IsWindowEnabled(::GetDlgItem(hwnd(), IDC_FRMXY_CMDOK))) return;
    showMessageBox(hwnd(), kInternetWarning, MB_OK | MB_ICONEXCLAMATION);
    std::wstring path = ownInstallerPath();
    std::wstring failure = startInstaller(path);
    if (!failure.empty()) {
        showMessageBox(hwnd(), failure, MB_OK | MB_ICONERROR);
        app_.setExitCode(1);
    }
    ::PostMessageW(hwnd(), WM_CLOSE, 0, 0);
}

void FrmXY::onCommand(int id) {
    switch (id) {
    case IDC_FRMXY_OPTION1_0:
    case IDC_FRMXY_OPTION1_1:
        ::EnableWindow(::GetDlgItem(hwnd(), IDC_FRMXY_CMDOK), id == IDC_FRMXY_OPTION1_1);
        break;
    case IDC_FRMXY_CMDPRE:
        if (FrmInstall::open(app_)) ::PostMessageW(hwnd(), WM_CLOSE, 0, 0);
        break;
    case IDC_FRMXY_CMDCANCEL:
        ::PostMessageW(hwnd(), WM_CLOSE, 0, 0);
        break;
    case IDC_FRMXY_CMDOK:
        next();
        break;
    }
}

LRESULT FrmXY::handle(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_NCCREATE:
        app_.windowOpened();
        break;
    case WM_CREATE:
        createControls();
        return 0;
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
            ::SetFocus(lastFocus_ && ::IsWindow(lastFocus_) ? lastFocus_ : ::GetDlgItem(hwnd(), IDC_FRMXY_TEXT1));
        }
        return 0;
    case WM_CTLCOLORSTATIC:
        // The read-only agreement box keeps the white of an edit box.
        if (reinterpret_cast<HWND>(lParam) == ::GetDlgItem(hwnd(), IDC_FRMXY_TEXT1)) {
            HDC dc = reinterpret_cast<HDC>(wParam);
            ::SetBkColor(dc, ::GetSysColor(COLOR_WINDOW));
            ::SetTextColor(dc, ::GetSysColor(COLOR_WINDOWTEXT));
            return reinterpret_cast<LRESULT>(::GetSysColorBrush(COLOR_WINDOW));
        }
        break;
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
