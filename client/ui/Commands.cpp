#include "client/ui/Commands.h"

#include "client/catalogue/AdminPageCatalogue.h"

namespace ui {

using catalogue::AdminPageCatalogue;

std::optional<int> menuCommandFor(std::string_view key) {
    const auto& menus = AdminPageCatalogue::menuBar();
    for (size_t m = 0; m < menus.size(); ++m)
        for (size_t k = 0; k < menus[m].items.size(); ++k)
            if (menus[m].items[k].key == key && menus[m].items[k].kind != catalogue::TargetKind::Separator)
                return kMenuCommandBase + static_cast<int>(m) * kMenuStride + static_cast<int>(k);
    return std::nullopt;
}

std::optional<std::string_view> entryForCommand(int command) {
    if (command > kToolbarCommandBase && command <= kToolbarCommandBase + catalogue::kToolbarButtonCount)
        return AdminPageCatalogue::resolveToolbarButton(command - kToolbarCommandBase);
    if (command < kMenuCommandBase || command >= kToolbarCommandBase) return std::nullopt;
    const auto& menus = AdminPageCatalogue::menuBar();
    const size_t m = static_cast<size_t>((command - kMenuCommandBase) / kMenuStride);
    const size_t k = static_cast<size_t>((command - kMenuCommandBase) % kMenuStride);
    if (m >= menus.size() || k >= menus[m].items.size()) return std::nullopt;
    const catalogue::Entry& item = menus[m].items[k];
    if (item.kind == catalogue::TargetKind::Separator) return std::nullopt;
    return item.key;
}

}  // namespace ui
