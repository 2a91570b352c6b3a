// Where everything of the launcher's two windows sits, in twips, relative to
// the client area (or to the banner for the banner's labels).
#pragma once

#include "launcher/layout/TwipLayout.h"

namespace launcher {

struct TwipLine {
    int x1, y1, x2, y2;
};

struct FrmInstallLayout {
    int clientWidth = 8280;
    int clientHeight = 5085;
    TwipRect cmdOK{6720, 3435, 1095, 375};
    TwipRect cmdCancel{6720, 4065, 1095, 375};
};

struct FrmXYLayout {
    int clientWidth = 7200;
    int clientHeight = 6375;
    TwipRect picture1{150, 105, 6870, 930};
    TwipRect label1{5160, 315, 1335, 375};  // inside picture1
    TwipRect label3{4770, 705, 1920, 330};  // inside picture1
    TwipLine line1{30, 1200, 7050, 1200};
    TwipRect text1{135, 1365, 6900, 3855};
    TwipRect optionDisagree{375, 5280, 1620, 270};
    TwipRect optionAgree{2055, 5280, 1620, 270};
    TwipRect label2{5190, 5295, 1485, 210};
    TwipLine line2{150, 5595, 6960, 5595};
    TwipRect cmdPre{2820, 5835, 1170, 330};
    TwipRect cmdOK{4185, 5820, 1170, 330};
    TwipRect cmdCancel{5595, 5835, 1170, 330};
};

// Lines are drawn this many pixels wide, whatever the resolution.
constexpr int kLineWidthPixels = 2;
constexpr int kLabel1Points = 15;
constexpr int kLabel3Points = 12;
constexpr int kControlPoints = 9;

}  // namespace launcher
