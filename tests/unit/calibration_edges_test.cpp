#include <gtest/gtest.h>

#include <cmath>

#include "calibration_edges.h"
#include "calibration_test_support.h"

TEST(CalibrationRounding, HalvesGoToTheEvenNeighbourOnBothSidesOfZero) {
    EXPECT_EQ(RoundHalfEven(88.5), 88);
    EXPECT_EQ(RoundHalfEven(89.5), 90);
    EXPECT_EQ(RoundHalfEven(-0.5), 0);
    EXPECT_EQ(RoundHalfEven(-1.5), -2);
    EXPECT_EQ(RoundHalfEven(-2.5), -2);
    EXPECT_EQ(RoundHalfEven(0.4999999), 0);
    EXPECT_EQ(RoundHalfEven(2.5000001), 3);
    EXPECT_EQ(RoundHalfEven(-7.6), -8);
}

TEST(CalibrationRounding, SaturatesInsteadOfOverflowing16Bits) {
    EXPECT_EQ(RoundHalfEven(32767.4), 32767);
    EXPECT_EQ(RoundHalfEven(40000), 32767);
    EXPECT_EQ(RoundHalfEven(-40000), -32768);
    EXPECT_EQ(RoundHalfEven(std::nan("")), 0);
}

TEST(CalibrationCornerEdges, AnExtensionOfExactlyOneAndAHalfRoundsBothEdgesToEven) {
    // 501 raw units over 5344 pixels: 16 pixels are 1.5 raw units.
    CalibrationReadings readings{{{500, 80}, {1000, 84}, {1000, 950}, {500, 946}}};
    CalibrationEdges edges = EdgesFromCorners(readings, {5376, 768});
    EXPECT_EQ(edges.CalXMin, 498);   // 498.5
    EXPECT_EQ(edges.CalXMax, 1002);  // 1001.5
    EXPECT_EQ(edges.CalXMid, 750);
}

TEST(CalibrationCornerEdges, OnlyTheFourOuterEdgesAreClamped) {
    // Raw 10 and 1009 over 800 pixels: the extension is 20 raw units.
    CalibrationReadings readings{{{10, 10}, {1009, 10}, {1009, 1009}, {10, 1009}}};
    EXPECT_EQ(EdgesFromCorners(readings, {832, 832}),
              (CalibrationEdges{0, 509, 1023, 0, 509, 1023}));
}

TEST(CalibrationEdgeMiddleEdges, HalfAnOddScreenIsNotTruncated) {
    CalibrationReadings readings = kEdgeMiddles;
    readings[3].X = 63;
    CalibrationEdges edges = EdgesFromEdgeMiddles(readings, {801, 768});
    EXPECT_EQ(edges.CalXMin, 45);  // 44.52 over 384.5 pixels; 384 would give 44.5, so 44
    EXPECT_EQ(edges.CalXMax, 922);
}

TEST(CalibrationEdgeMiddleEdges, AMiddleOutsideItsHalfPullsTheEdgeInward) {
    CalibrationReadings readings = kEdgeMiddles;
    readings[0].X = 100;  // TOP
    readings[2].X = 100;  // DOWN
    readings[3].X = 300;  // LEFT
    CalibrationEdges edges = EdgesFromEdgeMiddles(readings, kScreen1024x768);
    EXPECT_EQ(edges.CalXMid, 100);
    EXPECT_EQ(edges.CalXMin, 306);  // 300 + 199 x 16 / 496
}

TEST(CalibrationScreensTooSmallForTheTargets, GetNoExtensionInsteadOfDividingByZero) {
    for (int16_t side : {32, 16, 0, -1024}) {
        SCOPED_TRACE(side);
        EXPECT_EQ(EdgesFromCorners(kCorners, {side, side}),
                  (CalibrationEdges{101, 501, 902, 82, 515, 948}));
        EXPECT_EQ(EdgesFromEdgeMiddles(kEdgeMiddles, {side, side}),
                  (CalibrationEdges{98, 506, 905, 90, 518, 940}));
    }
    // Only the axis that is too small loses its extension.
    CalibrationEdges edges = EdgesFromCorners(kCorners, {0, 768});
    EXPECT_EQ(edges.CalXMin, 101);
    EXPECT_EQ(edges.CalYMin, 63);
}

TEST(CalibrationScreensTooSmallForTheTargets, ExtensionsBeyond16BitsSaturateBeforeTheClamp) {
    // Half of 33 pixels leaves half a pixel between the targets: 32 raw units per pixel.
    CalibrationReadings readings{{{0, 90}, {1023, 520}, {0, 940}, {500, 516}}};
    CalibrationEdges edges = EdgesFromEdgeMiddles(readings, {33, 768});
    EXPECT_EQ(edges.CalXMax, 1023);   // 1023 + 32768
    EXPECT_EQ(edges.CalXMin, 16468);  // 500 + 499 x 32, pulled inward past the middle
}
