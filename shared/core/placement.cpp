#include "placement.h"

#include <limits>

namespace {

constexpr int32_t kStandardDpi = 96;

int64_t FloorDiv(int64_t numerator, int64_t denominator) {
    int64_t quotient = numerator / denominator;
    if (numerator % denominator != 0 && (numerator < 0) != (denominator < 0)) --quotient;
    return quotient;
}

// numerator / denominator to the nearest integer, halves away from zero; denominator > 0.
int64_t RoundDiv(int64_t numerator, int64_t denominator) {
    if (numerator < 0) return -RoundDiv(-numerator, denominator);
    return (2 * numerator + denominator) / (2 * denominator);
}

int32_t Saturate(int64_t value) {
    if (value > std::numeric_limits<int32_t>::max()) return std::numeric_limits<int32_t>::max();
    if (value < std::numeric_limits<int32_t>::min()) return std::numeric_limits<int32_t>::min();
    return static_cast<int32_t>(value);
}

int64_t UsableDpi(int32_t dpi) {
    return dpi < 1 ? kStandardDpi : dpi;
}

}  // namespace

TwipsPosition PlaceWindow(TwipsSize screen, TwipsSize window) {
    // 0.85 as the exact fraction 85/100, rounded halves up, so no binary float can tip a half.
    int64_t usableHeight = FloorDiv(85 * int64_t{screen.height} + 50, 100);
    int64_t top = FloorDiv(usableHeight, 2) - FloorDiv(window.height, 2);
    int64_t left = FloorDiv(screen.width, 2) - FloorDiv(window.width, 2);
    return {Saturate(left < 0 ? 0 : left), Saturate(top < 0 ? 0 : top)};
}

TwipsPosition CentreIcon(TwipsSize boxInner, TwipsSize icon) {
    return {Saturate(RoundDiv(int64_t{boxInner.width} - icon.width, 2)),
            Saturate(RoundDiv(int64_t{boxInner.height} - icon.height, 2))};
}

int32_t PixelsToTwips(int32_t pixels, int32_t dpi) {
    return Saturate(RoundDiv(int64_t{pixels} * kTwipsPerInch, UsableDpi(dpi)));
}

int32_t TwipsToPixels(int32_t twips, int32_t dpi) {
    return Saturate(RoundDiv(int64_t{twips} * UsableDpi(dpi), kTwipsPerInch));
}
