#include "monitor_edid.h"

#include <cstdlib>

namespace {

constexpr size_t kBaseBlock = 128;
constexpr int kSmallestSide = 20;  // millimetres; smaller "sizes" are aspect ratios

bool Plausible(int width, int height) {
    return width >= kSmallestSide && height >= kSmallestSide;
}

}  // namespace

std::optional<PhysicalSize> PhysicalSizeFromEdid(const uint8_t* edid, size_t size) {
    static const uint8_t kHeader[8] = {0x00, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x00};
    if (edid == nullptr || size < kBaseBlock) return std::nullopt;
    uint8_t sum = 0;
    for (size_t i = 0; i < kBaseBlock; ++i) {
        if (i < sizeof kHeader && edid[i] != kHeader[i]) return std::nullopt;
        sum = uint8_t(sum + edid[i]);
    }
    if (sum != 0) return std::nullopt;

    std::optional<PhysicalSize> basic, timing;
    if (Plausible(edid[21] * 10, edid[22] * 10)) basic = PhysicalSize{edid[21] * 10, edid[22] * 10};
    // the first descriptor is a timing when its pixel clock is not zero
    if (edid[54] != 0 || edid[55] != 0) {
        int width = edid[66] | ((edid[68] & 0xF0) << 4);
        int height = edid[67] | ((edid[68] & 0x0F) << 8);
        if (Plausible(width, height)) timing = PhysicalSize{width, height};
    }
    if (timing && basic) {
        bool agree = std::abs(timing->widthMillimetres - basic->widthMillimetres) <= 10 &&
                     std::abs(timing->heightMillimetres - basic->heightMillimetres) <= 10;
        return agree ? timing : std::nullopt;
    }
    return timing ? timing : basic;
}

PhysicalSize AsTurned(PhysicalSize size, int widthPixels, int heightPixels) {
    // a square screen or a square panel says nothing about the turn
    if (widthPixels == heightPixels || size.widthMillimetres == size.heightMillimetres) return size;
    bool wideScreen = widthPixels > heightPixels;
    bool widePanel = size.widthMillimetres > size.heightMillimetres;
    if (wideScreen == widePanel) return size;
    return {size.heightMillimetres, size.widthMillimetres};
}
