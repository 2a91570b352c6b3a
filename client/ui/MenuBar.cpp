#include "client/ui/MenuBar.h"

#include "client/catalogue/AdminPageCatalogue.h"
#include "client/ui/Commands.h"

#include "common/win32/Handles.h"
#include "common/win32/WideText.h"

namespace ui {

HMENU buildMenuBar() {
    using catalogue::TargetKind;
    win32::UniqueMenu bar(::CreateMenu());
    if (!bar) return nullptr;
    for (const catalogue::Menu& menu : catalogue::AdminPageCatalogue::menuBar()) {
        if (!menu.visible) continue;
        win32::UniqueMenu popup(::CreatePopupMenu());
        if (!popup) continue;
        for (const catalogue::Entry& item : menu.items) {
            // Hidden items keep their commands but have no place in the menu.
            if (!item.visible) continue;
            if (item.kind == TargetKind::Separator) {
                ::AppendMenuW(popup.get(), MF_SEPARATOR, 0, nullptr);
                continue;
            }
            auto command = menuCommandFor(item.key);
            if (!command) continue;
            ::AppendMenuW(popup.get(), MF_STRING, static_cast<UINT_PTR>(*command), win32::toWide(item.caption).c_str());
        }
        if (::AppendMenuW(bar.get(), MF_POPUP | MF_STRING, reinterpret_cast<UINT_PTR>(popup.get()),
                          win32::toWide(menu.caption).c_str()))
            popup.release();  // now owned by the bar
    }
    return bar.release();
}

}  // namespace ui
