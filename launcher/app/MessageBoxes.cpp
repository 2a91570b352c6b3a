#include "launcher/app/MessageBoxes.h"

#include "common/win32/Handles.h"
#include "launcher/app/ChineseFonts.h"
#include "launcher/app/Display.h"
#include "launcher/fonts/FontChoice.h"
#include "launcher/layout/FormLayouts.h"

namespace launcher {

const wchar_t kAppTitle[] = L"Autorun";

namespace {

// While a box is shown: a hook on this thread that gives the box's texts the
// Chinese font once the box has been laid out, and makes room for them.
class BoxFontHook {
public:
    BoxFontHook()
        : font_(createChineseFont(chooseChineseFace(textFacePreferences()), kControlPoints, Display().dpiY())) {
        current_ = this;
        hook_ = ::SetWindowsHookExW(WH_CALLWNDPROCRET, procedure, nullptr, ::GetCurrentThreadId());
    }
    BoxFontHook(const BoxFontHook&) = delete;
    BoxFontHook& operator=(const BoxFontHook&) = delete;
    ~BoxFontHook() {
        if (hook_) ::UnhookWindowsHookEx(hook_);
        current_ = nullptr;
    }

private:
    static LRESULT CALLBACK procedure(int code, WPARAM wParam, LPARAM lParam) {
        BoxFontHook* self = current_;
        // After the box has laid itself out for its own font.
        const auto* call = reinterpret_cast<const CWPRETSTRUCT*>(lParam);
        if (self && code == HC_ACTION && call->message == WM_INITDIALOG && self->font_) {
            try {
                self->applyTo(call->hwnd);
            } catch (...) {
                // The box keeps its own font.
            }
        }
        return ::CallNextHookEx(self ? self->hook_ : nullptr, code, wParam, lParam);
    }

    void applyTo(HWND box) {
        wchar_t cls[16] = {};
        ::GetClassNameW(box, cls, 16);
        if (std::wstring(cls) != L"#32770" || done_) return;
        done_ = true;
        int grow = 0;
        HWND text = nullptr;
        for (HWND child = ::GetWindow(box, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
            ::GetClassNameW(child, cls, 16);
            bool isStatic = _wcsicmp(cls, L"Static") == 0;
            if (isStatic && (::GetWindowLongW(child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON) continue;
            ::SendMessageW(child, WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), TRUE);
            if (isStatic && !text) text = child;
        }
        if (text) grow = fitText(box, text);
        if (grow <= 0) return;
        // Everything below the text moves down, the box grows.
        RECT textRect{};
        ::GetWindowRect(text, &textRect);
        for (HWND child = ::GetWindow(box, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
            RECT r{};
            ::GetWindowRect(child, &r);
            if (r.top < textRect.bottom - grow) continue;
            ::MapWindowPoints(nullptr, box, reinterpret_cast<POINT*>(&r), 2);
            ::SetWindowPos(child, nullptr, r.left, r.top + grow, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        }
        RECT boxRect{};
        ::GetWindowRect(box, &boxRect);
        ::SetWindowPos(box, nullptr, boxRect.left, boxRect.top - grow / 2, boxRect.right - boxRect.left,
                       boxRect.bottom - boxRect.top + grow, SWP_NOZORDER | SWP_NOACTIVATE);
    }

    // Makes the text control tall enough for its text in the new font;
    // returns by how much it grew.
    int fitText(HWND box, HWND text) {
        int length = ::GetWindowTextLengthW(text);
        std::wstring content(static_cast<size_t>(length) + 1, L'\0');
        content.resize(static_cast<size_t>(::GetWindowTextW(text, content.data(), length + 1)));
        RECT r{};
        ::GetWindowRect(text, &r);
        ::MapWindowPoints(nullptr, box, reinterpret_cast<POINT*>(&r), 2);
        RECT need{0, 0, r.right - r.left, 0};
        win32::WindowDc dc(text);
        {
            win32::SelectScope select(dc.get(), font_.get());
            ::DrawTextW(dc.get(), content.c_str(), -1, &need,
                        DT_CALCRECT | DT_WORDBREAK | DT_EXPANDTABS | DT_NOPREFIX | DT_EDITCONTROL);
        }
        int grow = need.bottom - (r.bottom - r.top);
        if (grow > 0)
            ::SetWindowPos(text, nullptr, 0, 0, r.right - r.left, need.bottom,
                           SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        return grow;
    }

    static BoxFontHook* current_;
    win32::UniqueFont font_;
    HHOOK hook_ = nullptr;
    bool done_ = false;
};

BoxFontHook* BoxFontHook::current_ = nullptr;

}  // namespace

int showMessageBox(HWND owner, const std::wstring& text, UINT type) {
    BoxFontHook hook;
    return ::MessageBoxW(owner, text.c_str(), kAppTitle, type);
}

}  // namespace launcher
