#include "client/ui/NavigationLayout.h"

namespace ui {

NavigationLayout::NavigationLayout() {
    for (int i = 0; i < DesignLayout::kButtonCount; ++i)
        buttonTops_[static_cast<unsigned>(i)] = i * DesignLayout::kButtonSpacing;
}

bool NavigationLayout::clickButton(int index) {
    if (index < 0 || index >= DesignLayout::kButtonCount) return false;
    currentGroup_ = index;
    const int b = listHeight_;
    auto top = [this](int j) -> int& { return buttonTops_[static_cast<unsigned>(j)]; };
    if (!isHome(index)) {
        // The button lies below the open list: it and every button above it
        // that is still below the list go back up.
        listTop_ = (index + 1) * DesignLayout::kButtonSpacing;
        for (int j = index; j >= 0; --j)
            if (!isHome(j)) top(j) -= b;
    } else {
        // The button is at home: the list opens right under it and pushes the
        // buttons after it down. Clicking the open group's button moves nothing.
        listTop_ = top(index) + DesignLayout::kButtonHeight;
        for (int j = index + 1; j < DesignLayout::kMovableButtons; ++j)
            if (isHome(j)) top(j) += b;
    }
    return true;
}

void NavigationLayout::layout(int clientWidth, int clientHeight) {
    assignSize(browserHeight_, clientHeight - DesignLayout::kBottomMargin);
    assignSize(browserWidth_, clientWidth - DesignLayout::kBrowserWidthMargin);
    assignSize(pictureHeight_, clientHeight - DesignLayout::kBottomMargin);
    assignSize(listHeight_, pictureHeight_ - DesignLayout::kListBottomMargin + DesignLayout::kButtonHeight);
    const int h = listHeight_;
    for (int i = 0; i < DesignLayout::kMovableButtons; ++i)
        if (!isHome(i)) buttonTops_[static_cast<unsigned>(i)] = h + i * DesignLayout::kButtonSpacing;
}

}  // namespace ui
