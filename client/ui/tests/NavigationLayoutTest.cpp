#include "client/ui/NavigationLayout.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using ui::DesignLayout;
using ui::NavigationLayout;

constexpr int kDesignWidth = DesignLayout::kFormWidth;
constexpr int kDesignHeight = DesignLayout::kFormHeight;

std::vector<int> tops(const NavigationLayout& n) {
    std::vector<int> v;
    for (int i = 0; i < DesignLayout::kButtonCount; ++i) v.push_back(n.buttonTop(i));
    return v;
}
std::vector<int> home() { return {0, 360, 720, 1080, 1440, 1800, 2160, 2520, 2880}; }

// Buttons below the open list sit exactly the list height under their home.
void expectConsistent(const NavigationLayout& n) {
    for (int i = 0; i < DesignLayout::kMovableButtons; ++i)
        if (!n.isHome(i)) {
            EXPECT_EQ(n.buttonTop(i), i * 360 + n.listHeight()) << "button " << i;
        }
    EXPECT_TRUE(n.isHome(8));
}

TEST(NavigationLayout, StartsWithGroupSevenOpenAndEveryButtonAtHome) {
    NavigationLayout n;
    EXPECT_EQ(n.currentGroup(), 7);
    EXPECT_EQ(tops(n), home());
    EXPECT_EQ(n.listTop(), 2850);
    EXPECT_EQ(n.listHeight(), 6030);
}

TEST(NavigationLayout, LayoutPassSizesBrowserPanelAndList) {
    NavigationLayout n;
    n.layout(kDesignWidth, kDesignHeight);
    EXPECT_EQ(n.browserWidth(), 11790 - 2000);
    EXPECT_EQ(n.browserHeight(), 8310 - 900);
    EXPECT_EQ(n.pictureHeight(), 8310 - 900);
    EXPECT_EQ(n.listHeight(), 8310 - 900 - 3260 + 375);
    EXPECT_EQ(n.listTop(), 2850);  // the pass never moves the list
    EXPECT_EQ(tops(n), home());
}

// The sequence of clicks from the start: button 0, button 5 (below the open
// list), button 5 again (now at home).
TEST(NavigationLayout, AccordionSequenceMovesButtonsAndList) {
    NavigationLayout n;
    n.layout(kDesignWidth, kDesignHeight);
    const int b = n.listHeight();
    ASSERT_EQ(b, 4525);

    ASSERT_TRUE(n.clickButton(0));
    EXPECT_EQ(n.currentGroup(), 0);
    EXPECT_EQ(n.listTop(), 375);
    EXPECT_EQ(tops(n), (std::vector<int>{0, 360 + b, 720 + b, 1080 + b, 1440 + b, 1800 + b, 2160 + b, 2520 + b, 2880}));

    ASSERT_TRUE(n.clickButton(5));
    EXPECT_EQ(n.currentGroup(), 5);
    EXPECT_EQ(n.listTop(), 2160);
    EXPECT_EQ(tops(n), (std::vector<int>{0, 360, 720, 1080, 1440, 1800, 2160 + b, 2520 + b, 2880}));

    // The open group's button again: the list opens under it from the home
    // path, 15 twips lower than before, and nothing moves.
    ASSERT_TRUE(n.clickButton(5));
    EXPECT_EQ(n.listTop(), 2175);
    EXPECT_EQ(tops(n), (std::vector<int>{0, 360, 720, 1080, 1440, 1800, 2160 + b, 2520 + b, 2880}));
    expectConsistent(n);
}

TEST(NavigationLayout, ListTopDiffersByFifteenBetweenTheTwoPaths) {
    for (int i = 0; i < DesignLayout::kMovableButtons; ++i) {
        NavigationLayout below;
        below.layout(kDesignWidth, kDesignHeight);
        ASSERT_TRUE(below.clickButton(0));
        if (i == 0) continue;  // button 0 is always at home
        ASSERT_FALSE(below.isHome(i));
        ASSERT_TRUE(below.clickButton(i));
        const int fromBelow = below.listTop();
        ASSERT_TRUE(below.isHome(i));
        ASSERT_TRUE(below.clickButton(i));
        EXPECT_EQ(fromBelow, (i + 1) * 360) << i;
        EXPECT_EQ(below.listTop(), i * 360 + 375) << i;
        EXPECT_EQ(below.listTop() - fromBelow, 15) << i;
    }
}

TEST(NavigationLayout, HiddenButtonEightNeverMovesButItsGroupOpens) {
    NavigationLayout n;
    n.layout(kDesignWidth, kDesignHeight);
    ASSERT_TRUE(n.clickButton(0));
    EXPECT_EQ(n.buttonTop(8), 2880);
    ASSERT_TRUE(n.clickButton(8));
    EXPECT_EQ(n.currentGroup(), 8);
    EXPECT_EQ(n.listTop(), 2880 + 375);
    EXPECT_EQ(n.buttonTop(8), 2880);
    expectConsistent(n);
}

TEST(NavigationLayout, IndexOutsideTheButtonsChangesNothing) {
    NavigationLayout n;
    n.layout(kDesignWidth, kDesignHeight);
    ASSERT_TRUE(n.clickButton(3));
    const auto before = tops(n);
    for (int bad : {-1, 9, 100}) {
        EXPECT_FALSE(n.clickButton(bad));
        EXPECT_EQ(n.currentGroup(), 3);
        EXPECT_EQ(tops(n), before);
        EXPECT_EQ(n.listTop(), 3 * 360 + 375);
    }
}

TEST(NavigationLayout, ResizeWithAMiddleGroupOpenMovesTheButtonsBelowTheList) {
    NavigationLayout n;
    n.layout(kDesignWidth, kDesignHeight);
    ASSERT_TRUE(n.clickButton(3));  // buttons 4 to 7 now below the list
    struct Size {
        int width, height;
    };
    for (Size s : {Size{9000, 6000}, Size{15000, 12000}, Size{11790, 3786}, Size{20000, 8310}}) {
        n.layout(s.width, s.height);
        EXPECT_EQ(n.listHeight(), s.height - 3785) << s.height;
        EXPECT_EQ(n.browserWidth(), s.width - 2000);
        EXPECT_EQ(n.listTop(), 3 * 360 + 375);
        for (int i = 0; i <= 3; ++i) EXPECT_TRUE(n.isHome(i)) << i;
        for (int i = 4; i <= 7; ++i) EXPECT_EQ(n.buttonTop(i), i * 360 + n.listHeight()) << i;
        expectConsistent(n);
    }
}

// At exactly 3785 twips the list is 0 high and the buttons below it land on
// their home tops; from then on they count as lying above the list.
TEST(NavigationLayout, ZeroHighListPutsTheButtonsBelowItAtHome) {
    NavigationLayout n;
    n.layout(kDesignWidth, kDesignHeight);
    ASSERT_TRUE(n.clickButton(3));
    n.layout(kDesignWidth, 3785);
    EXPECT_EQ(n.listHeight(), 0);
    EXPECT_EQ(tops(n), home());
    n.layout(kDesignWidth, kDesignHeight);
    EXPECT_EQ(tops(n), home());
    EXPECT_EQ(n.listTop(), 3 * 360 + 375);
}

// Below 3785 twips of client height the list height would be negative: it
// keeps its last valid height while the other sizes follow as far as they can.
TEST(NavigationLayout, RefusedNegativeHeightsKeepTheLastValidOnes) {
    NavigationLayout n;
    n.layout(kDesignWidth, 5000);
    ASSERT_TRUE(n.clickButton(2));
    ASSERT_EQ(n.listHeight(), 1215);

    n.layout(kDesignWidth, 3000);
    EXPECT_EQ(n.listHeight(), 1215);
    EXPECT_EQ(n.pictureHeight(), 2100);
    EXPECT_EQ(n.browserHeight(), 2100);
    expectConsistent(n);
    for (int i = 3; i <= 7; ++i) EXPECT_EQ(n.buttonTop(i), i * 360 + 1215);

    // Minimised: every height and the width would be negative.
    n.layout(0, 0);
    EXPECT_EQ(n.listHeight(), 1215);
    EXPECT_EQ(n.pictureHeight(), 2100);
    EXPECT_EQ(n.browserHeight(), 2100);
    EXPECT_EQ(n.browserWidth(), 11790 - 2000);
    expectConsistent(n);

    // Back to a usable size: the list follows again.
    n.layout(kDesignWidth, 6000);
    EXPECT_EQ(n.listHeight(), 2215);
    for (int i = 3; i <= 7; ++i) EXPECT_EQ(n.buttonTop(i), i * 360 + 2215);
}

}  // namespace
