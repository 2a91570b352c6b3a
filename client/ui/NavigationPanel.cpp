#include "client/ui/NavigationPanel.h"

#include "client/app/PublisherResources.h"
#include "client/catalogue/AdminPageCatalogue.h"
#include "client/ui/Commands.h"
#include "client/ui/Twips.h"

#include "common/win32/Handles.h"
#include "common/win32/WideText.h"

namespace ui {

namespace {

constexpr wchar_t kPictureClass[] = L"NorvanePicture";
constexpr int kIconSize = 32;
constexpr COLORREF kMaskColour = RGB(255, 0, 255);

// Picture1 hands its children's notifications to the main window.
LRESULT CALLBACK pictureProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_COMMAND || message == WM_NOTIFY) return ::SendMessageW(::GetParent(window), message, wParam, lParam);
    return ::DefWindowProcW(window, message, wParam, lParam);
}

void registerPictureClass(HINSTANCE instance) {
    WNDCLASSW wc{};
    if (::GetClassInfoW(instance, kPictureClass, &wc)) return;
    wc.lpfnWndProc = pictureProc;
    wc.hInstance = instance;
    wc.hCursor = ::LoadCursorW(nullptr, IDC_ARROW);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = kPictureClass;
    ::RegisterClassW(&wc);
}

HMENU childId(int id) { return reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)); }

}  // namespace

NavigationPanel::~NavigationPanel() {
    for (HIMAGELIST list : images_)
        if (list) ::ImageList_Destroy(list);
}

bool NavigationPanel::create(HWND parent, HINSTANCE instance, HFONT font, int dpiX, int dpiY) {
    dpiX_ = dpiX;
    dpiY_ = dpiY;
    registerPictureClass(instance);
    RECT p = pixels(DesignLayout::kPictureLeft, DesignLayout::kPictureTop, DesignLayout::kPictureWidth,
                    DesignLayout::kPictureHeight);
    picture_ = ::CreateWindowExW(WS_EX_CLIENTEDGE, kPictureClass, nullptr,
                                 WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS, p.left, p.top,
                                 p.right - p.left, p.bottom - p.top, parent, childId(kPictureId), instance, nullptr);
    if (!picture_) return false;

    for (int i = 0; i < DesignLayout::kButtonCount; ++i) {
        RECT b = pixels(DesignLayout::kButtonLeft, i * DesignLayout::kButtonSpacing, DesignLayout::kButtonWidth,
                        DesignLayout::kButtonHeight);
        // Button 8 (the mail system) is never shown.
        DWORD style = WS_CHILD | WS_CLIPSIBLINGS | WS_TABSTOP | BS_PUSHBUTTON | (i == 8 ? 0 : WS_VISIBLE);
        buttons_[static_cast<size_t>(i)] = ::CreateWindowExW(
            0, L"BUTTON", win32::toWide(catalogue::AdminPageCatalogue::groupCaption(i)).c_str(), style, b.left,
            b.top, b.right - b.left, b.bottom - b.top, picture_, childId(kNavigateButtonBase + i), instance, nullptr);
        if (font && buttons_[static_cast<size_t>(i)])
            ::SendMessageW(buttons_[static_cast<size_t>(i)], WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    }

    RECT l = pixels(DesignLayout::kListLeft, DesignLayout::kListTop, DesignLayout::kListWidth,
                    DesignLayout::kListHeight);
    list_ = ::CreateWindowExW(WS_EX_CLIENTEDGE, WC_LISTVIEWW, nullptr,
                              WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_TABSTOP | LVS_ICON | LVS_SINGLESEL |
                                  LVS_AUTOARRANGE | LVS_SHAREIMAGELISTS,
                              l.left, l.top, l.right - l.left, l.bottom - l.top, picture_, childId(kListViewId),
                              instance, nullptr);
    if (list_ && font) ::SendMessageW(list_, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    // The buttons lie above the list.
    for (HWND button : buttons_)
        if (button) ::SetWindowPos(button, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);

    for (int g = 0; g < DesignLayout::kButtonCount; ++g) {
        HIMAGELIST icons = ::ImageList_Create(kIconSize, kIconSize, ILC_COLOR24 | ILC_MASK, 4, 4);
        images_[static_cast<size_t>(g)] = icons;
        if (!icons || catalogue::AdminPageCatalogue::groupItems(g).empty()) continue;
        win32::UniqueBitmap strip(static_cast<HBITMAP>(
            ::LoadImageW(instance, MAKEINTRESOURCEW(IDB_GROUP0 + g), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
        if (strip) ::ImageList_AddMasked(icons, strip.get(), kMaskColour);
    }
    return true;
}

RECT NavigationPanel::pixels(int left, int top, int width, int height) const {
    RECT r;
    r.left = twipsToPixels(left, dpiX_);
    r.top = twipsToPixels(top, dpiY_);
    r.right = r.left + twipsToPixels(width, dpiX_);
    r.bottom = r.top + twipsToPixels(height, dpiY_);
    return r;
}

void NavigationPanel::place(HWND window, const RECT& r) {
    if (window)
        ::SetWindowPos(window, nullptr, r.left, r.top, r.right - r.left, r.bottom - r.top,
                       SWP_NOZORDER | SWP_NOACTIVATE);
}

void NavigationPanel::apply(const NavigationLayout& layout) const {
    place(picture_, pixels(DesignLayout::kPictureLeft, DesignLayout::kPictureTop, DesignLayout::kPictureWidth,
                           layout.pictureHeight()));
    place(list_, pixels(DesignLayout::kListLeft, layout.listTop(), DesignLayout::kListWidth, layout.listHeight()));
    for (int i = 0; i < DesignLayout::kButtonCount; ++i)
        place(buttons_[static_cast<size_t>(i)], pixels(DesignLayout::kButtonLeft, layout.buttonTop(i),
                                                       DesignLayout::kButtonWidth, DesignLayout::kButtonHeight));
}

void NavigationPanel::fill(int group) const {
    if (!list_) return;
    ::SendMessageW(list_, LVM_DELETEALLITEMS, 0, 0);
    if (group < 0 || group >= DesignLayout::kMovableButtons) return;
    ::SendMessageW(list_, LVM_SETIMAGELIST, LVSIL_NORMAL, reinterpret_cast<LPARAM>(images_[static_cast<size_t>(group)]));
    int row = 0;
    for (const catalogue::GroupItem& item : catalogue::AdminPageCatalogue::groupItems(group)) {
        std::wstring text = win32::toWide(item.text);
        LVITEMW lv{};
        lv.mask = LVIF_TEXT | LVIF_IMAGE;
        lv.iItem = row++;
        lv.pszText = text.data();
        lv.iImage = item.icon - 1;
        ::SendMessageW(list_, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&lv));
    }
}

std::wstring NavigationPanel::itemText(int item) const {
    if (!list_ || item < 0) return {};
    wchar_t buffer[256] = {};
    LVITEMW lv{};
    lv.iSubItem = 0;
    lv.pszText = buffer;
    lv.cchTextMax = 256;
    ::SendMessageW(list_, LVM_GETITEMTEXTW, static_cast<WPARAM>(item), reinterpret_cast<LPARAM>(&lv));
    return buffer;
}

}  // namespace ui
