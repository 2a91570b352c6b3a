#include "launcher/layout/TwipLayout.h"

#include <algorithm>

namespace launcher {

namespace {
// n * mul / div rounded to nearest, halves away from zero, in 64 bits.
int scaleRounded(int n, int mul, int div) {
    long long product = static_cast<long long>(n) * mul;
    long long half = div / 2;
    return static_cast<int>(product >= 0 ? (product + half) / div : -((-product + half) / div));
}
}  // namespace

int pixelsFromTwips(int twips, int dotsPerInch) { return scaleRounded(twips, dotsPerInch, kTwipsPerInch); }

PixelRect toPixels(const TwipRect& rect, int dpiX, int dpiY) {
    int left = pixelsFromTwips(rect.left, dpiX);
    int top = pixelsFromTwips(rect.top, dpiY);
    int right = pixelsFromTwips(rect.left + rect.width, dpiX);
    int bottom = pixelsFromTwips(rect.top + rect.height, dpiY);
    return {left, top, right - left, bottom - top};
}

PixelPoint centredOrigin(int screenWidth, int screenHeight, int outerWidth, int outerHeight) {
    return {std::max(0, (screenWidth - outerWidth) / 2), std::max(0, (screenHeight - outerHeight) / 2)};
}

int fontHeightForPoints(int points, int dpiY) { return -scaleRounded(points, dpiY, 72); }

}  // namespace launcher
