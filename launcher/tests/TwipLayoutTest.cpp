#include "launcher/layout/FormLayouts.h"
#include "launcher/layout/TwipLayout.h"

#include <gtest/gtest.h>

using namespace launcher;

TEST(TwipLayout, ConvertsTwipsToPixelsRoundingToNearest) {
    struct Case {
        int twips, dpi, pixels;
    } cases[] = {
        {15, 96, 1},    {8280, 96, 552}, {5085, 96, 339}, {7, 96, 0},     {8, 96, 1},     {-8, 96, -1},
        {8280, 120, 690}, {5085, 120, 424}, {1440, 144, 144}, {5820, 144, 582}, {0, 120, 0},
        {100000, 96, 6667},
    };
    for (const Case& c : cases)
        EXPECT_EQ(pixelsFromTwips(c.twips, c.dpi), c.pixels) << c.twips << " twips at " << c.dpi << " dpi";
}

TEST(TwipLayout, RectanglesKeepTheirEdgesSoNeighboursStillTouch) {
    // Two controls that touch in twips: 100..117 and 117..134 at 120 dpi.
    TwipRect a{1000, 0, 1400, 300}, b{2400, 0, 1400, 300};
    for (int dpi : {96, 120, 144, 72}) {
        PixelRect pa = toPixels(a, dpi, dpi), pb = toPixels(b, dpi, dpi);
        EXPECT_EQ(pa.right(), pb.left) << dpi;
    }
    EXPECT_EQ(toPixels(TwipRect{4185, 5820, 1170, 330}, 96, 96), (PixelRect{279, 388, 78, 22}));
    EXPECT_EQ(toPixels(TwipRect{4185, 5820, 1170, 330}, 120, 144), (PixelRect{349, 582, 97, 33}));
}

TEST(TwipLayout, CentresOnTheScreenAndKeepsOversizedWindowsOnIt) {
    EXPECT_EQ(centredOrigin(1280, 1024, 552, 339), (PixelPoint{364, 342}));
    EXPECT_EQ(centredOrigin(800, 600, 481, 451), (PixelPoint{159, 74}));
    EXPECT_EQ(centredOrigin(640, 480, 800, 500), (PixelPoint{0, 0}));
}

TEST(TwipLayout, FontHeightsFollowTheVerticalResolution) {
    EXPECT_EQ(fontHeightForPoints(15, 96), -20);
    EXPECT_EQ(fontHeightForPoints(12, 96), -16);
    EXPECT_EQ(fontHeightForPoints(9, 96), -12);
    EXPECT_EQ(fontHeightForPoints(9, 120), -15);
    EXPECT_EQ(fontHeightForPoints(15, 144), -30);
}

namespace {
bool inside(const TwipRect& r, int width, int height) {
    return r.left >= 0 && r.top >= 0 && r.left + r.width <= width && r.top + r.height <= height;
}
}  // namespace

TEST(FormLayouts, InstallWindowButtonsLieOnThePictureOneAboveTheOther) {
    FrmInstallLayout l;
    EXPECT_TRUE(inside(l.cmdOK, l.clientWidth, l.clientHeight));
    EXPECT_TRUE(inside(l.cmdCancel, l.clientWidth, l.clientHeight));
    EXPECT_EQ(l.cmdOK.left, l.cmdCancel.left);
    EXPECT_LT(l.cmdOK.top + l.cmdOK.height, l.cmdCancel.top);
    PixelRect px = toPixels({0, 0, l.clientWidth, l.clientHeight}, 96, 96);
    EXPECT_EQ(px.width, 552);
    EXPECT_EQ(px.height, 339);
}

TEST(FormLayouts, AgreementWindowControlsFitAndNextSitsOnePixelHigher) {
    FrmXYLayout l;
    for (const TwipRect& r : {l.picture1, l.text1, l.optionDisagree, l.optionAgree, l.label2, l.cmdPre, l.cmdOK,
                              l.cmdCancel})
        EXPECT_TRUE(inside(r, l.clientWidth, l.clientHeight)) << r.left << "," << r.top;
    EXPECT_TRUE(inside(l.label1, l.picture1.width, l.picture1.height));
    // The address label reaches below the banner's bottom edge; the banner
    // clips it, so only its text line has to start inside.
    EXPECT_LE(l.label3.left + l.label3.width, l.picture1.width);
    EXPECT_LT(l.label3.top, l.picture1.height);
    EXPECT_EQ(l.cmdPre.top - l.cmdOK.top, 15);
    EXPECT_EQ(l.cmdCancel.top, l.cmdPre.top);
    EXPECT_LT(l.cmdPre.left + l.cmdPre.width, l.cmdOK.left);
    EXPECT_LT(l.cmdOK.left + l.cmdOK.width, l.cmdCancel.left);
    // The lines frame the agreement box and the choice row.
    EXPECT_LT(l.picture1.top + l.picture1.height, l.line1.y1);
    EXPECT_LT(l.line1.y1, l.text1.top);
    EXPECT_LT(l.optionAgree.top + l.optionAgree.height, l.line2.y1);
    EXPECT_LT(l.line2.y1, l.cmdOK.top);
    EXPECT_EQ(toPixels(l.cmdPre, 96, 96).top - toPixels(l.cmdOK, 96, 96).top, 1);
}
