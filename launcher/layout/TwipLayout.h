// Twips (1440 to the inch) to device pixels at the screen's resolution, and
// the few placement rules the launcher's windows follow. No <windows.h>: the
// arithmetic is built and tested natively.
#pragma once

namespace launcher {

constexpr int kTwipsPerInch = 1440;

// A rectangle given in twips: left, top, width, height.
struct TwipRect {
    int left;
    int top;
    int width;
    int height;
};

struct PixelRect {
    int left;
    int top;
    int width;
    int height;
    int right() const { return left + width; }
    int bottom() const { return top + height; }
    bool operator==(const PixelRect&) const = default;
};

struct PixelPoint {
    int x;
    int y;
    bool operator==(const PixelPoint&) const = default;
};

// Rounds to the nearest pixel (halves away from zero).
int pixelsFromTwips(int twips, int dotsPerInch);

// Both edges are converted, not the width, so that controls that touch in
// twips still touch in pixels at every resolution.
PixelRect toPixels(const TwipRect& rect, int dpiX, int dpiY);

// Top-left corner that centres an outer size on a screen. A window larger
// than the screen is pinned to the top-left corner so its caption stays
// reachable.
PixelPoint centredOrigin(int screenWidth, int screenHeight, int outerWidth, int outerHeight);

// LOGFONT height (negative: character height) of a font of this point size.
int fontHeightForPoints(int points, int dpiY);

}  // namespace launcher
