#include <gtest/gtest.h>

#include <string.h>

#include <string>

#include "calibration_computation.h"
#include "calibration_test_support.h"

namespace {

// How a panel wired with this direction code reports the straight panel's readings: the driver
// swaps and then mirrors, so the panel mirrors and then swaps.
CalibrationReadings WiredAs(uint8_t code, CalibrationReadings readings) {
    for (RawPoint& point : readings) {
        if (code & kMirrorX) point.X = static_cast<int16_t>(kRawMax - point.X);
        if (code & kMirrorY) point.Y = static_cast<int16_t>(kRawMax - point.Y);
        if (code & kSwapXY) point = {point.Y, point.X};
    }
    return readings;
}

// The computation for the 1024 x 768 screen.
CalibrationResult Computed(const CalibrationReadings& readings,
                           CalibrationMode mode = CalibrationMode::Corners, int rotation = 0) {
    return ComputeCalibration(readings, mode, rotation, kScreen1024x768);
}

}  // namespace

TEST(CalibrationWorkedExamples, CornersOn1024x768) {
    CalibrationResult result = Computed(kCorners);
    EXPECT_EQ(result.outcome, CalibrationOutcome::Ready);
    EXPECT_EQ(result.calibration.edges, kCornersOn1024x768);
    EXPECT_EQ(result.calibration.PanelDirection, 0);
    EXPECT_EQ(result.title, "");
    EXPECT_EQ(result.message, "");
}

TEST(CalibrationWorkedExamples, EdgeMiddlesOn1024x768) {
    CalibrationResult result = Computed(kEdgeMiddles, CalibrationMode::Edges);
    EXPECT_EQ(result.outcome, CalibrationOutcome::Ready);
    EXPECT_EQ(result.calibration.edges, kEdgeMiddlesOn1024x768);
    EXPECT_EQ(result.calibration.PanelDirection, 0);
}

TEST(CalibrationDirection, EveryWiringIsRecognisedAndUndoneInBothModes) {
    for (uint8_t code = 0; code < 8; ++code) {
        SCOPED_TRACE(int{code});
        CalibrationResult corners = Computed(WiredAs(code, kCorners));
        EXPECT_EQ(corners.outcome, CalibrationOutcome::Ready);
        EXPECT_EQ(corners.calibration.PanelDirection, code);
        EXPECT_EQ(corners.calibration.edges, kCornersOn1024x768);
        EXPECT_EQ(corners.readings, kCorners);

        CalibrationResult edges = Computed(WiredAs(code, kEdgeMiddles), CalibrationMode::Edges);
        EXPECT_EQ(edges.outcome, CalibrationOutcome::Ready);
        EXPECT_EQ(edges.calibration.PanelDirection, code);
        EXPECT_EQ(edges.calibration.edges, kEdgeMiddlesOn1024x768);
    }
}

TEST(CalibrationRotation, CodeTwoTurnsAStraightPanelIntoSwappedYMirrored) {
    CalibrationResult result = Computed(kCorners, CalibrationMode::Corners, 2);
    EXPECT_EQ(result.outcome, CalibrationOutcome::Ready);
    EXPECT_EQ(result.calibration.PanelDirection, 6);
    // r1 is now the TOP-RIGHT reading, swapped and then Y-mirrored.
    EXPECT_EQ(result.readings[0], (RawPoint{84, 1023 - 900}));
}

TEST(CalibrationRotation, CodesOutsideZeroToThreeLeaveTheReadingsInPlace) {
    for (int rotation : {-1, 4, 255, -32768, 32767}) {
        SCOPED_TRACE(rotation);
        CalibrationResult result = Computed(kCorners, CalibrationMode::Corners, rotation);
        EXPECT_EQ(result.calibration.PanelDirection, 0);
        EXPECT_EQ(result.calibration.edges, kCornersOn1024x768);
    }
}

TEST(CalibrationFailures, UnknownDirectionShowsBothPatternsAndKeepsTheSwap) {
    CalibrationReadings sameSpot{{{600, 700}, {600, 700}, {600, 700}, {600, 700}}};
    CalibrationResult result = Computed(sameSpot);
    EXPECT_EQ(result.outcome, CalibrationOutcome::IncorrectPanelDirection);
    EXPECT_EQ(result.title, "Touchscreen Calibration");
    EXPECT_EQ(result.message,
              "Incorrect Panel Direction! (11111111-11111111)\r\n\r\n"
              "Please checkout the pinout of your touch panel.");
    EXPECT_EQ(result.readings[0], (RawPoint{700, 600}));
    EXPECT_EQ(result.calibration.PanelDirection, kUnknownDirection);
}

TEST(CalibrationFailures, NarrowHalvesAreRefusedWithTheirDigits) {
    // Both bottom corners touched near the top: the bottom edge is barely below the middle.
    CalibrationReadings squashed{{{100, 80}, {900, 84}, {904, 520}, {102, 516}}};
    CalibrationResult result = Computed(squashed);
    EXPECT_EQ(result.outcome, CalibrationOutcome::InvalidResult);
    EXPECT_EQ(result.title, "Touchscreen Calibration");
    EXPECT_EQ(result.message,
              "Invalid Result of Calibration! (34)\r\n\r\n"
              "It may be cause by that you have calibrated with touch on invalid position.");
}

TEST(CalibrationFailures, ReadingsFarOutsideTheRawRangeAreRefusedNotWrapped) {
    // 16-bit sums would wrap the right edge to -1.
    CalibrationReadings wild{{{100, 80}, {32767, 84}, {32767, 950}, {100, 946}}};
    CalibrationResult result = Computed(wild);
    EXPECT_EQ(result.outcome, CalibrationOutcome::InvalidResult);
    EXPECT_EQ(result.calibration.edges.CalXMid, 100 + (32767 - 100) / 2);
    EXPECT_EQ(result.calibration.edges.CalXMax, 1023);
    EXPECT_NE(result.message.find("(2)"), std::string::npos) << result.message;
}

TEST(CalibrationModes, OnlyTheTwoListEntriesAreSupported) {
    EXPECT_EQ(CalibrationModeOf(0), CalibrationMode::Corners);
    EXPECT_EQ(CalibrationModeOf(1), CalibrationMode::Edges);
    EXPECT_FALSE(CalibrationModeOf(2).has_value());
    EXPECT_FALSE(CalibrationModeOf(-1).has_value());
    EXPECT_EQ(UnsupportedModeMessage(2), "Fail to calibration! ( mode 2 not support )");
}

TEST(CalibrationInTheBlock, OnlyTheCalibrationFieldsAreWritten) {
    DriverBlock block;
    memset(&block, 0xA5, sizeof block);
    DriverBlock before = block;
    Calibration calibration{kCornersOn1024x768, 6};
    StoreCalibration(block, calibration);
    const auto* bytes = reinterpret_cast<const uint8_t*>(&block);
    const auto* old = reinterpret_cast<const uint8_t*>(&before);
    for (size_t offset = 0; offset < sizeof block; ++offset) {
        if (offset < 58 || offset > 70) {
            EXPECT_EQ(bytes[offset], old[offset]) << offset;
        }
    }
    EXPECT_EQ(bytes[58] | bytes[59] << 8, 88);
    EXPECT_EQ(bytes[68] | bytes[69] << 8, 967);
    EXPECT_EQ(bytes[70], 6);
    EXPECT_EQ(CalibrationOf(block).edges, kCornersOn1024x768);
    EXPECT_EQ(CalibrationOf(block).PanelDirection, 6);
}
