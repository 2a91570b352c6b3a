// Twips (1440 per inch) to pixels and back at a given dots-per-inch.
#pragma once

namespace ui {

inline constexpr int kTwipsPerInch = 1440;

// Rounded to the nearest pixel, halves away from zero.
constexpr int twipsToPixels(int twips, int dpi) {
    long long scaled = static_cast<long long>(twips) * dpi;
    long long half = kTwipsPerInch / 2;
    return static_cast<int>(scaled >= 0 ? (scaled + half) / kTwipsPerInch : -((-scaled + half) / kTwipsPerInch));
}

// Exact when the pixel is a whole number of twips (15 at 96 dpi); rounded otherwise.
constexpr int pixelsToTwips(int pixels, int dpi) {
    if (dpi <= 0) return 0;
    long long scaled = static_cast<long long>(pixels) * kTwipsPerInch;
    long long half = dpi / 2;
    return static_cast<int>(scaled >= 0 ? (scaled + half) / dpi : -((-scaled + half) / dpi));
}

}  // namespace ui
