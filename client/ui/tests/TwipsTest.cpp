#include "client/ui/Twips.h"

#include <gtest/gtest.h>

namespace {

struct Case {
    int twips, dpi, pixels;
};

TEST(Twips, ConvertsAtTheScreensResolution) {
    const Case cases[] = {
        {15, 96, 1},     {-15, 96, -1},   {0, 96, 0},     {360, 96, 24},   {375, 96, 25},  {1815, 96, 121},
        {11790, 96, 786}, {8310, 96, 554}, {360, 120, 30}, {375, 120, 31},  {375, 144, 38}, {-15, 120, -1},
        {7, 96, 0},      {8, 96, 1},      {-8, 96, -1},   {1440, 72, 72},
    };
    for (const Case& c : cases) EXPECT_EQ(ui::twipsToPixels(c.twips, c.dpi), c.pixels) << c.twips << "@" << c.dpi;
}

TEST(Twips, PixelsBackToTwips) {
    EXPECT_EQ(ui::pixelsToTwips(554, 96), 8310);
    EXPECT_EQ(ui::pixelsToTwips(786, 96), 11790);
    EXPECT_EQ(ui::pixelsToTwips(-1, 96), -15);
    EXPECT_EQ(ui::pixelsToTwips(1, 120), 12);
    EXPECT_EQ(ui::pixelsToTwips(10, 0), 0);
    for (int px : {0, 1, 25, 121, 554, 1000}) EXPECT_EQ(ui::twipsToPixels(ui::pixelsToTwips(px, 96), 96), px);
}

}  // namespace
