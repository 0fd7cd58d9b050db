#include <gtest/gtest.h>

#include "calibration_test_support.h"
#include "calibration_validity.h"

namespace {

// Every half exactly 256 raw units wide.
constexpr CalibrationEdges kJustWideEnough{100, 356, 612, 100, 356, 612};

}  // namespace

TEST(CalibrationValidity, AHalfOf256IsEnoughAnd255IsNot) {
    EXPECT_EQ(ValidityDigits(kJustWideEnough), "");
    CalibrationEdges edges = kJustWideEnough;
    edges.CalXMin = 101;
    EXPECT_EQ(ValidityDigits(edges), "1");
    edges = kJustWideEnough;
    edges.CalXMax = 611;
    EXPECT_EQ(ValidityDigits(edges), "2");
    edges = kJustWideEnough;
    edges.CalYMin = 101;
    EXPECT_EQ(ValidityDigits(edges), "3");
    edges = kJustWideEnough;
    edges.CalYMax = 611;
    EXPECT_EQ(ValidityDigits(edges), "4");
}

TEST(CalibrationValidity, DigitsComeInOrderAndReversedHalvesCount) {
    EXPECT_EQ(ValidityDigits({100, 356, 611, 100, 300, 612}), "23");
    EXPECT_EQ(ValidityDigits({500, 400, 300, 500, 400, 300}), "1234");
    // Differences that do not fit 16 bits must not wrap into valid ones.
    EXPECT_EQ(ValidityDigits({16468, -32768, 1023, 0, 512, 1023}), "1");
}
