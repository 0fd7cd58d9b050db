#include <gtest/gtest.h>

#include "message_layout.h"

TEST(MessageWindowPlacement, CentredAcrossAndInTheUpperEightyFivePercent) {
    // 1024 x 768 pixels at 15 twips a pixel
    EXPECT_EQ(MessageWindowPosition({15360, 11520}, {5490, 1695}), (TwipsPosition{4935, 4049}));
    // 85 % of 11521 is 9792.85, halved 4896.425: each term truncated
    EXPECT_EQ(MessageWindowPosition({15361, 11521}, {5491, 1695}), (TwipsPosition{4935, 4049}));
    EXPECT_EQ(MessageWindowPosition({15360, 11520}, {15360, 11520}).left, 0);
}

TEST(MessageWindowPlacement, AWindowLargerThanTheScreenStartsLeftOfIt) {
    TwipsPosition at = MessageWindowPosition({1000, 1000}, {3001, 3001});
    EXPECT_EQ(at.left, -1000) << "-1000.5 truncated";
    EXPECT_EQ(at.top, 425 - 1500);
}

TEST(MessageWindowLayout, ControlsAreCentredVertically) {
    EXPECT_EQ(CentredTop(1200, 480), 360);
    EXPECT_EQ(CentredTop(1200, 195), 502);
    EXPECT_EQ(CentredTop(1200, 1200), 0);
}

TEST(BusyCounter, TheHourglassStaysUntilTheLastHolderLowers) {
    BusyCounter counter;
    EXPECT_FALSE(counter.busy());
    counter.raise();
    counter.raise();
    EXPECT_TRUE(counter.busy());
    EXPECT_FALSE(counter.lower()) << "one holder is left";
    EXPECT_TRUE(counter.busy());
    EXPECT_TRUE(counter.lower()) << "the normal pointer returns";
    EXPECT_FALSE(counter.busy());
}

TEST(BusyCounter, NeverBelowZeroAndNeverWrapsToIdle) {
    BusyCounter counter;
    EXPECT_FALSE(counter.lower());
    EXPECT_EQ(counter.count(), 0);
    for (int i = 0; i < 70000; ++i) counter.raise();
    EXPECT_EQ(counter.count(), UINT16_MAX);
    EXPECT_TRUE(counter.busy());
}
