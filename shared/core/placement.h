// Window and icon placement in twips, and the conversion between twips and pixels.
#pragma once

#include <stdint.h>

#include <utility>

constexpr int32_t kTwipsPerInch = 1440;

struct TwipsSize {
    int32_t width;
    int32_t height;
};

struct TwipsPosition {
    int32_t left;
    int32_t top;

    bool operator==(const TwipsPosition& other) const {
        return left == other.left && top == other.top;
    }
};

// Centred horizontally and in the upper 85 % of the screen, which leaves room for a task bar. A
// window too large for that (a high scaling on a small screen) keeps its top-left corner, and
// with it its caption, on the screen.
TwipsPosition PlaceWindow(TwipsSize screen, TwipsSize window);

// The icon's position inside its box's client area; an odd difference rounds to whole twips,
// halves away from zero.
TwipsPosition CentreIcon(TwipsSize boxInner, TwipsSize icon);

// Both round to the nearest unit, halves away from zero: nearest keeps a pixel count exact
// through twips and back at any DPI up to 1440, and the symmetric rule keeps negative offsets
// mirror images of positive ones. A DPI below 1 counts as the standard 96; results beyond the
// 32-bit range saturate.
int32_t PixelsToTwips(int32_t pixels, int32_t dpi);
int32_t TwipsToPixels(int32_t twips, int32_t dpi);

template <typename T>
void SwapValues(T& a, T& b) {
    using std::swap;
    swap(a, b);
}
