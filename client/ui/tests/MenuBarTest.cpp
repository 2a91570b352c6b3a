// The menu bar the window gets, read back through the menu API.
#include "client/ui/MenuBar.h"

#include "client/catalogue/AdminPageCatalogue.h"
#include "client/ui/Commands.h"

#include "common/win32/Handles.h"
#include "common/win32/WideText.h"

#include <gtest/gtest.h>

namespace {

std::wstring itemText(HMENU menu, int position) {
    wchar_t text[128] = {};
    ::GetMenuStringW(menu, static_cast<UINT>(position), text, 128, MF_BYPOSITION);
    return text;
}

TEST(MenuBar, HoldsTheVisibleMenusAndItemsInCatalogueOrder) {
    win32::UniqueMenu bar(ui::buildMenuBar());
    ASSERT_TRUE(bar);
    const std::wstring tops[] = {L"基本配置[&B]", L"模版管理[&M]", L"栏目管理[&L]", L"商业机会[&S]",
                                 L"新闻管理[&X]", L"产品管理[&C]", L"业务中心[&Y]", L"在线服务[&Z]"};
    ASSERT_EQ(::GetMenuItemCount(bar.get()), 8);  // the mail menu is hidden
    int position = 0;
    for (const auto& menu : catalogue::AdminPageCatalogue::menuBar()) {
        if (!menu.visible) continue;
        SCOPED_TRACE(position);
        EXPECT_EQ(itemText(bar.get(), position), tops[position]);
        HMENU popup = ::GetSubMenu(bar.get(), position);
        ASSERT_TRUE(popup);
        int shown = 0;
        for (const auto& item : menu.items) {
            if (!item.visible) continue;
            EXPECT_EQ(itemText(popup, shown), win32::toWide(item.caption));
            EXPECT_EQ(static_cast<int>(::GetMenuItemID(popup, shown)), *ui::menuCommandFor(item.key));
            ++shown;
        }
        EXPECT_EQ(::GetMenuItemCount(popup), shown);
        ++position;
    }
    EXPECT_EQ(position, 8);
}

TEST(MenuBar, HiddenItemsAreAbsentAndTheFirstMenuHasOnlyItsTwoPages) {
    win32::UniqueMenu bar(ui::buildMenuBar());
    HMENU base = ::GetSubMenu(bar.get(), 0);
    ASSERT_EQ(::GetMenuItemCount(base), 2);
    EXPECT_EQ(itemText(base, 0), L"公司资料");
    EXPECT_EQ(itemText(base, 1), L"网站资料");
    for (const char* hidden : {"mnuLogol", "mnuBanner", "mnuSJ", "mnuDZ"}) {
        UINT id = static_cast<UINT>(*ui::menuCommandFor(hidden));
        MENUITEMINFOW info{};
        info.cbSize = sizeof info;
        info.fMask = MIIM_ID;
        EXPECT_FALSE(::GetMenuItemInfoW(bar.get(), id, FALSE, &info)) << hidden;
    }
    HMENU templates = ::GetSubMenu(bar.get(), 1);
    EXPECT_EQ(::GetMenuItemCount(templates), 18);
    EXPECT_EQ(itemText(templates, 1), L"至酷个性");
}

}  // namespace
