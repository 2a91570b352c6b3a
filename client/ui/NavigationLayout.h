// The accordion of the navigation bar and the main window's layout pass, in
// twips. Pure arithmetic: the window applies the positions and sizes this
// class computes and never reads them back from its controls.
#pragma once

#include <array>

namespace ui {

// Design values of the main window's controls (twips).
struct DesignLayout {
    static constexpr int kButtonCount = 9;
    static constexpr int kMovableButtons = 8;  // button 8 is hidden and never moved
    static constexpr int kButtonSpacing = 360;
    static constexpr int kButtonLeft = 0;
    static constexpr int kButtonWidth = 1815;
    static constexpr int kButtonHeight = 375;

    static constexpr int kFormLeft = 60, kFormTop = 630, kFormWidth = 11790, kFormHeight = 8310;
    static constexpr int kToolbarHeight = 810;
    static constexpr int kPictureLeft = -15, kPictureTop = 840, kPictureWidth = 1875, kPictureHeight = 7380;
    static constexpr int kListLeft = -15, kListTop = 2850, kListWidth = 1815, kListHeight = 6030;
    static constexpr int kBrowserLeft = 1905, kBrowserTop = 855, kBrowserWidth = 9765, kBrowserHeight = 7395;

    // The layout pass keeps these margins around the browser and the panel.
    static constexpr int kBottomMargin = 900;
    static constexpr int kBrowserWidthMargin = 2000;
    // The list ends this much above the panel's bottom, less one button height.
    static constexpr int kListBottomMargin = 3260;

    static constexpr int kInitialGroup = 7;
};

class NavigationLayout {
public:
    NavigationLayout();

    // One navigation button clicked (0 to 8): makes it the current group,
    // moves the list and the buttons. Returns false for an index outside 0 to 8
    // (nothing changes then).
    bool clickButton(int index);

    // The window's client area changed to this inner size (twips).
    void layout(int clientWidth, int clientHeight);

    int currentGroup() const { return currentGroup_; }
    int buttonTop(int index) const { return buttonTops_[static_cast<unsigned>(index)]; }
    bool isHome(int index) const { return buttonTop(index) == index * DesignLayout::kButtonSpacing; }

    int listTop() const { return listTop_; }
    int listHeight() const { return listHeight_; }
    int pictureHeight() const { return pictureHeight_; }
    int browserWidth() const { return browserWidth_; }
    int browserHeight() const { return browserHeight_; }

private:
    // A size the control would refuse (negative) is not taken; the old one stays.
    static void assignSize(int& target, int value) {
        if (value >= 0) target = value;
    }

    std::array<int, DesignLayout::kButtonCount> buttonTops_{};
    int currentGroup_ = DesignLayout::kInitialGroup;
    int listTop_ = DesignLayout::kListTop;
    int listHeight_ = DesignLayout::kListHeight;
    int pictureHeight_ = DesignLayout::kPictureHeight;
    int browserWidth_ = DesignLayout::kBrowserWidth;
    int browserHeight_ = DesignLayout::kBrowserHeight;
};

}  // namespace ui
