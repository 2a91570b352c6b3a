#include "client/ui/Commands.h"

#include "client/catalogue/AdminPageCatalogue.h"

#include <gtest/gtest.h>

#include <set>

namespace {

using catalogue::AdminPageCatalogue;

TEST(Commands, EveryMenuItemHasOneCommandThatLeadsBackToIt) {
    std::set<int> seen;
    for (const auto& menu : AdminPageCatalogue::menuBar()) {
        for (const auto& item : menu.items) {
            auto command = ui::menuCommandFor(item.key);
            if (item.kind == catalogue::TargetKind::Separator) {
                EXPECT_FALSE(command) << item.key;
                continue;
            }
            ASSERT_TRUE(command) << item.key;
            EXPECT_TRUE(seen.insert(*command).second) << item.key;
            EXPECT_LT(*command, ui::kToolbarCommandBase);
            EXPECT_EQ(ui::entryForCommand(*command), item.key);
        }
    }
}

TEST(Commands, ToolbarCommandsFollowTheButtonIndexes) {
    for (int index = 1; index <= catalogue::kToolbarButtonCount; ++index)
        EXPECT_EQ(ui::entryForCommand(ui::kToolbarCommandBase + index), AdminPageCatalogue::resolveToolbarButton(index))
            << index;
    EXPECT_EQ(ui::entryForCommand(ui::kToolbarCommandBase + 22), "Relogin");
    EXPECT_EQ(ui::entryForCommand(ui::kToolbarCommandBase + 24), "ExitClient");
}

TEST(Commands, SeparatorsAndUnknownNumbersStandForNothing) {
    const auto line1 = ui::kMenuCommandBase + 2;  // "line1" under the first menu
    for (int command : {0, 999, line1, ui::kMenuCommandBase + 99, ui::kMenuCommandBase + 9 * ui::kMenuStride,
                        ui::kToolbarCommandBase, ui::kToolbarCommandBase + 1, ui::kToolbarCommandBase + 26,
                        ui::kNavigateButtonBase, ui::kListViewId})
        EXPECT_FALSE(ui::entryForCommand(command)) << command;
    EXPECT_FALSE(ui::menuCommandFor("line1"));
    EXPECT_FALSE(ui::menuCommandFor("SitePreview"));
    EXPECT_FALSE(ui::menuCommandFor("nothing"));
}

TEST(Commands, MailItemsHaveCommandsAlthoughTheirMenuIsHidden) {
    for (const char* key : {"mnuSJ", "mnuFJ", "mnuFYJ", "mnuDZ"}) {
        auto command = ui::menuCommandFor(key);
        ASSERT_TRUE(command) << key;
        EXPECT_EQ(ui::entryForCommand(*command), key);
    }
}

}  // namespace
