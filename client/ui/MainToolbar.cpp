#include "client/ui/MainToolbar.h"

#include "client/app/PublisherResources.h"
#include "client/catalogue/AdminPageCatalogue.h"
#include "client/ui/Commands.h"

#include "common/win32/Handles.h"
#include "common/win32/WideText.h"

#include <string>
#include <vector>

namespace ui {

namespace {
constexpr int kImageSize = 24;
constexpr COLORREF kMaskColour = RGB(255, 0, 255);
}  // namespace

MainToolbar::~MainToolbar() {
    if (images_) ::ImageList_Destroy(images_);
}

bool MainToolbar::create(HWND parent, HINSTANCE instance, HFONT font) {
    window_ = ::CreateWindowExW(0, TOOLBARCLASSNAMEW, nullptr,
                                WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | TBSTYLE_FLAT | CCS_TOP | TBSTYLE_TOOLTIPS,
                                0, 0, 0, 0, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(kToolbarId)),
                                instance, nullptr);
    if (!window_) return false;
    ::SendMessageW(window_, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    if (font) ::SendMessageW(window_, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);

    images_ = ::ImageList_Create(kImageSize, kImageSize, ILC_COLOR24 | ILC_MASK, 12, 0);
    if (images_) {
        win32::UniqueBitmap strip(static_cast<HBITMAP>(
            ::LoadImageW(instance, MAKEINTRESOURCEW(IDB_TOOLBAR), IMAGE_BITMAP, 0, 0, LR_CREATEDIBSECTION)));
        if (strip) ::ImageList_AddMasked(images_, strip.get(), kMaskColour);
        ::SendMessageW(window_, TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(images_));
    }

    const auto& table = catalogue::AdminPageCatalogue::toolbar();
    std::vector<std::wstring> captions;
    captions.reserve(table.size());
    std::vector<TBBUTTON> buttons;
    for (const catalogue::ToolbarButton& b : table) {
        captions.push_back(win32::toWide(b.caption));
        TBBUTTON tb{};
        tb.idCommand = kToolbarCommandBase + b.index;
        if (b.separator) {
            tb.fsStyle = BTNS_SEP;
        } else {
            tb.iBitmap = b.image - 1;
            tb.fsState = TBSTATE_ENABLED;
            tb.fsStyle = BTNS_BUTTON;
            tb.iString = reinterpret_cast<INT_PTR>(captions.back().c_str());
        }
        buttons.push_back(tb);
    }
    ::SendMessageW(window_, TB_ADDBUTTONSW, buttons.size(), reinterpret_cast<LPARAM>(buttons.data()));
    ::SendMessageW(window_, TB_AUTOSIZE, 0, 0);
    return true;
}

void MainToolbar::dock() const {
    if (window_) ::SendMessageW(window_, TB_AUTOSIZE, 0, 0);
}

}  // namespace ui
