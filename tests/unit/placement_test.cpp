#include <gtest/gtest.h>

#include <limits>
#include <memory>
#include <ostream>
#include <string>

#include "placement.h"

void PrintTo(const TwipsPosition& at, std::ostream* out) {
    *out << "{left " << at.left << ", top " << at.top << "}";
}

namespace {

constexpr int32_t kMax = std::numeric_limits<int32_t>::max();
constexpr int32_t kMin = std::numeric_limits<int32_t>::min();

}  // namespace

TEST(PlaceWindow, CentresAcrossAndInTheUpper85PercentOfTheScreen) {
    // 1024 x 768 pixels at 15 twips a pixel, the main window as designed.
    EXPECT_EQ(PlaceWindow({15360, 11520}, {6636, 5520}), (TwipsPosition{7680 - 3318, 4896 - 2760}));
    EXPECT_EQ(PlaceWindow({kMax, 0}, {kMin, 0}).left, kMax);
}

TEST(PlaceWindow, AWindowTooLargeKeepsItsCaptionOnTheScreen) {
    // the main window at 192 DPI on a 1024 x 768 screen: 891 x 699 pixels, 7.5 twips each
    EXPECT_EQ(PlaceWindow({7680, 5760}, {6683, 5243}), (TwipsPosition{499, 0}));
    EXPECT_EQ(PlaceWindow({1000, 1000}, {3001, 3001}), (TwipsPosition{0, 0}));
    EXPECT_EQ(PlaceWindow({1000, 1000}, {999, 853}), (TwipsPosition{1, 0})) << "a twip above";
}

TEST(PlaceWindow, RoundsTheUsableHeightHalfUpThenHalvesDownward) {
    EXPECT_EQ(PlaceWindow({0, 30}, {0, 0}).top, 13);       // 25.5 -> 26 -> 13
    EXPECT_EQ(PlaceWindow({0, 11521}, {0, 0}).top, 4896);  // 9792.85 -> 9793
    EXPECT_EQ(PlaceWindow({0, 11519}, {0, 0}).top, 4895);  // 9791.15 -> 9791
    EXPECT_EQ(PlaceWindow({15361, 11520}, {6637, 5521}), (TwipsPosition{7680 - 3318, 4896 - 2760}));
}

TEST(CentreIcon, CentresAndRoundsHalfTwipsAwayFromZero) {
    EXPECT_EQ(CentreIcon({555, 600}, {480, 480}), (TwipsPosition{38, 60}));
    EXPECT_EQ(CentreIcon({480, 480}, {555, 600}), (TwipsPosition{-38, -60}));
    EXPECT_EQ(CentreIcon({kMax, kMin}, {kMin, kMax}), (TwipsPosition{kMax, kMin}));
}

TEST(TwipsAndPixels, RoundToTheNearestHalvesAwayFromZero) {
    EXPECT_EQ(PixelsToTwips(1024, 120), 12288);
    EXPECT_EQ(PixelsToTwips(1, 200), 7);  // 7.2
    EXPECT_EQ(TwipsToPixels(7, 96), 0);   // 0.47
    EXPECT_EQ(TwipsToPixels(8, 96), 1);   // 0.53
    EXPECT_EQ(TwipsToPixels(6, 120), 1);  // 0.5
    EXPECT_EQ(TwipsToPixels(-6, 120), -1);
    EXPECT_EQ(TwipsToPixels(1500, -120), 100);  // no DPI: the standard 96
    EXPECT_EQ(PixelsToTwips(kMax, 1), kMax);
    EXPECT_EQ(PixelsToTwips(kMin, 1), kMin);
}

TEST(TwipsAndPixels, PixelsSurviveTheRoundTripAtEveryDpiUpTo1440) {
    for (int32_t dpi : {72, 96, 110, 120, 144, 150, 192, 300, 1440})
        for (int32_t pixels = -2000; pixels <= 5000; ++pixels)
            ASSERT_EQ(TwipsToPixels(PixelsToTwips(pixels, dpi), dpi), pixels) << dpi;
}

TEST(SwapValues, ExchangesEvenTypesThatCannotBeCopied) {
    auto first = std::make_unique<std::string>("low");
    auto second = std::make_unique<std::string>("high");
    SwapValues(first, second);
    EXPECT_EQ(*first, "high");
    EXPECT_EQ(*second, "low");
}
