#include <gtest/gtest.h>

#include "calibration_direction.h"
#include "calibration_test_support.h"
#include "calibration_transform.h"

namespace {

constexpr CalibrationReadings kNumbered{{{1, 10}, {2, 20}, {3, 30}, {4, 40}}};

}  // namespace

TEST(CalibrationRotation, EachCodeMovesTheReadingsAsTheSmiToolMeansIt) {
    EXPECT_EQ(RotateReadings(kNumbered, 0), kNumbered);
    EXPECT_EQ(RotateReadings(kNumbered, 1),
              (CalibrationReadings{{{4, 40}, {1, 10}, {2, 20}, {3, 30}}}));
    EXPECT_EQ(RotateReadings(kNumbered, 2),
              (CalibrationReadings{{{2, 20}, {3, 30}, {4, 40}, {1, 10}}}));
    EXPECT_EQ(RotateReadings(kNumbered, 3),
              (CalibrationReadings{{{3, 30}, {4, 40}, {1, 10}, {2, 20}}}));
    for (int outside : {-1, 4, 0x10000 + 1})
        EXPECT_EQ(RotateReadings(kNumbered, outside), kNumbered);
    EXPECT_EQ(NormalizeRotationCode(3), 3);
    EXPECT_EQ(NormalizeRotationCode(-3), 0);
}

TEST(CalibrationMirroring, YAndXMirrorIndependentlyAndTheSwapBitIsIgnored) {
    CalibrationReadings mirrored = MirrorReadings(kNumbered, kMirrorY | kSwapXY);
    EXPECT_EQ(mirrored[0], (RawPoint{1, 1013}));
    mirrored = MirrorReadings(kNumbered, kMirrorX);
    EXPECT_EQ(mirrored[3], (RawPoint{1019, 40}));
    EXPECT_EQ(MirrorReadings(kNumbered, kMirrorX | kMirrorY)[1], (RawPoint{1021, 1003}));
    // Far below the raw range the mirror image saturates instead of wrapping negative.
    EXPECT_EQ(MirrorReadings({{{-32768, 0}, {}, {}, {}}}, kMirrorX)[0].X, 32767);
}

TEST(CalibrationDirectionPattern, FiveHundredTwelveIsTheFirstHighValue) {
    CalibrationReadings readings{{{511, 512}, {512, 511}, {0, 1023}, {1023, 0}}};
    EXPECT_EQ(BuildDirectionPattern(readings, CalibrationMode::Corners), "01100110");
}

TEST(CalibrationDirectionPattern, EdgeReadingsArePairedAsCorners) {
    // As they stand the readings would give 00110101; paired they are a straight panel.
    EXPECT_EQ(BuildDirectionPattern(kEdgeMiddles, CalibrationMode::Corners), "00110101");
    EXPECT_EQ(BuildDirectionPattern(kEdgeMiddles, CalibrationMode::Edges), "00101101");
    auto highOnly = [](int reading, bool x) {
        CalibrationReadings readings{};
        (x ? readings[reading].X : readings[reading].Y) = 1000;
        return BuildDirectionPattern(readings, CalibrationMode::Edges);
    };
    EXPECT_EQ(highOnly(3, true), "10000010");   // LEFT X
    EXPECT_EQ(highOnly(0, false), "01010000");  // TOP Y
    EXPECT_EQ(highOnly(1, true), "00101000");   // RIGHT X
    EXPECT_EQ(highOnly(2, false), "00000101");  // DOWN Y
    for (int reading = 0; reading < 4; ++reading)
        EXPECT_EQ(highOnly(reading, reading % 2 == 0), "00000000")
            << "the middle axis of " << reading;
}

TEST(CalibrationDirectionPattern, OnlyTheFourWiringsMatch) {
    EXPECT_EQ(MatchDirectionPattern("00101101"), 0);
    EXPECT_EQ(MatchDirectionPattern("10000111"), 1);
    EXPECT_EQ(MatchDirectionPattern("01111000"), 2);
    EXPECT_EQ(MatchDirectionPattern("11010010"), 3);
    for (const char* other : {"", "00101100", "0010110", "001011010", "10110100", "11111111"})
        EXPECT_EQ(MatchDirectionPattern(other), kUnknownDirection) << other;
}

TEST(CalibrationCheckPanelDirection, ExchangedAxesAreSwappedAndAddFour) {
    // X and Y mirrored, then exchanged by the wiring.
    CalibrationReadings exchanged{{{943, 923}, {939, 123}, {73, 119}, {77, 921}}};
    PanelDirectionCheck check = CheckPanelDirection(exchanged, CalibrationMode::Corners);
    EXPECT_TRUE(check.accepted);
    EXPECT_EQ(check.PanelDirection, 7);
    EXPECT_EQ(check.readings[1], (RawPoint{123, 939}));
}

TEST(CalibrationCheckPanelDirection, RefusalNamesThePatternBeforeAndAfterTheSwap) {
    CalibrationReadings lowBottomLeft{{{100, 80}, {900, 84}, {904, 950}, {102, 100}}};
    PanelDirectionCheck check = CheckPanelDirection(lowBottomLeft, CalibrationMode::Corners);
    EXPECT_FALSE(check.accepted);
    EXPECT_EQ(check.PanelDirection, kUnknownDirection);
    EXPECT_EQ(check.message,
              "Incorrect Panel Direction! (00101100-00011100)\r\n\r\n"
              "Please checkout the pinout of your touch panel.");
    EXPECT_EQ(check.readings[2], (RawPoint{950, 904}));
}
