#include <gtest/gtest.h>

#include "calibration_layout.h"
#include "calibration_targets.h"

namespace {

const CalibrationSurface kSurface = SurfaceOf(1024, 768);

CrossMark Mark(int target) {
    return *CrossMarkOf(target, kSurface);
}

}  // namespace

TEST(CalibrationSurface, FarEdgesAreTheLastPixelsAndCentresRoundHalvesToEven) {
    EXPECT_EQ(kSurface.right, 1023);
    EXPECT_EQ(kSurface.bottom, 767);
    EXPECT_EQ(kSurface.centreX, 511);
    EXPECT_EQ(kSurface.centreY, 383);
    EXPECT_EQ(SurfaceOf(1023, 769).centreX, 510) << "510.5 rounds to the even 510";
    EXPECT_EQ(SurfaceOf(1023, 769).centreY, 384) << "383.5 rounds to the even 384";
    EXPECT_EQ(SurfaceOf(1025, 600).centreX, 512) << "511.5 rounds to the even 512";
}

TEST(CalibrationTargets, CornersSitFifteenPixelsFromTheNearEdgesAndSeventeenFromTheFar) {
    EXPECT_EQ(Mark(1), (CrossMark{0, 15, 31, 0, 15, 31}));
    EXPECT_EQ(Mark(2), (CrossMark{990, 1006, 1023, 0, 15, 31}));
    EXPECT_EQ(Mark(3), (CrossMark{990, 1006, 1023, 734, 750, 767}));
    EXPECT_EQ(Mark(4), (CrossMark{0, 15, 31, 734, 750, 767}));
    EXPECT_EQ(1023 - Mark(2).xc, 17) << "the far offset is not symmetric with the near one";
}

TEST(CalibrationTargets, EdgeMiddlesCrossOnTheCentreLines) {
    EXPECT_EQ(Mark(5), (CrossMark{494, 511, 526, 0, 15, 31}));
    EXPECT_EQ(Mark(6), (CrossMark{990, 1006, 1023, 366, 383, 398}));
    EXPECT_EQ(Mark(7), (CrossMark{494, 511, 526, 734, 750, 767}));
    EXPECT_EQ(Mark(8), (CrossMark{0, 15, 31, 366, 383, 398}));
}

TEST(CalibrationTargets, OnlyTheEightTargetsExist) {
    for (int target : {0, 9, -1, 25}) {
        EXPECT_FALSE(CrossMarkOf(target, kSurface)) << target;
        EXPECT_FALSE(PlaceActionLabel(target, kSurface, 8, 13)) << target;
        EXPECT_STREQ(TargetName(target), "") << target;
    }
}

TEST(CalibrationTargets, ModesCollectTheirTargetsInTheComputationsOrder) {
    std::array<int, 4> corners = TargetsOf(CalibrationMode::Corners);
    std::array<int, 4> edges = TargetsOf(CalibrationMode::Edges);
    EXPECT_EQ(corners, (std::array<int, 4>{1, 2, 3, 4}));
    EXPECT_EQ(edges, (std::array<int, 4>{5, 6, 7, 8}));
    const char* names[] = {"TOP-LEFT", "TOP-RIGHT", "DOWN-RIGHT", "DOWN-LEFT",
                           "TOP",      "RIGHT",     "DOWN",       "LEFT"};
    for (int target = 1; target <= 8; ++target) EXPECT_STREQ(TargetName(target), names[target - 1]);
}

TEST(CalibrationActionLabel, PlacedBesideEachCrossFromTheSizeOfX) {
    const int w = 8, h = 13;
    struct Expected {
        int target, left, top;
        LabelAlignment alignment;
    } cases[] = {
        {1, 31 + w, 31 - h, LabelAlignment::Left},
        {2, 990 - 2 * w, 31 - h, LabelAlignment::Right},
        {3, 990 - 2 * w, 734, LabelAlignment::Right},
        {4, 31 + w, 734, LabelAlignment::Left},
        {5, 511 - 4, 31 + h, LabelAlignment::Centre},
        {6, 990 - 2 * w, 383 - 6, LabelAlignment::Right},
        {7, 511 - 4, 734 - 2 * h, LabelAlignment::Centre},
        {8, 31 + w, 383 - 6, LabelAlignment::Left},
    };
    for (const Expected& e : cases) {
        ActionLabelPlace place = *PlaceActionLabel(e.target, kSurface, w, h);
        EXPECT_EQ(place.left, e.left) << "target " << e.target;
        EXPECT_EQ(place.top, e.top) << "target " << e.target;
        EXPECT_EQ(place.alignment, e.alignment) << "target " << e.target;
    }
}

TEST(CalibrationActionLabel, LongerCaptionsGrowAwayFromTheCross) {
    ActionLabelPlace left{100, 0, LabelAlignment::Left};
    ActionLabelPlace right{100, 0, LabelAlignment::Right};
    ActionLabelPlace centre{100, 0, LabelAlignment::Centre};
    EXPECT_EQ(AlignedLeft(left, 8, 40), 100);
    EXPECT_EQ(AlignedLeft(right, 8, 40), 68) << "the right edge stays at 108";
    EXPECT_EQ(AlignedLeft(centre, 8, 40), 84) << "the middle stays at 104";
    EXPECT_EQ(AlignedLeft(right, 8, 0), 108) << "an empty caption";
}

TEST(CalibrationLayout, CentresTheHomeBoxAndItsPartsOnTheScreen) {
    // the designed sizes at 96 DPI: picHome 217 high, picMesg 377 wide at 16, picStat 193 x 65
    CalibrationLayout layout = LayOutCalibration({1024, 768, 217, 16, 377, 193, 65, 308, 33, 16});
    EXPECT_EQ(layout.surface.width, 1024);
    EXPECT_EQ(layout.surface.height, 768);
    EXPECT_EQ(layout.home.width, 409) << "twice picMesg's margin plus its width";
    EXPECT_EQ(layout.home.left, 308) << "615 / 2 = 307.5 rounds to the even 308";
    EXPECT_EQ(layout.home.top, 276) << "551 / 2 = 275.5 rounds to the even 276";
    EXPECT_EQ(layout.titleTop, 226) << "one and a half title heights above: 276 - 49.5";
    EXPECT_EQ(layout.titleLeft, 358);
    EXPECT_EQ(layout.statusLeft, 108);
    EXPECT_EQ(layout.messageLeft, 16);
    EXPECT_EQ(layout.liftPromptTop, 24) << "49 / 2 = 24.5 rounds to the even 24";
    EXPECT_EQ(layout.targets.right, 1023);
    EXPECT_EQ(layout.targets.centreY, 383);
}

TEST(CalibrationIdleBar, TwentyStepsOfTenPixelsCentredUnderTheMessage) {
    IdleBar bar = IdleBarOf(168, 13, 16, 377);
    EXPECT_EQ(bar.top, 194) << "two help-line heights below the help line's top";
    EXPECT_EQ(bar.bottom, 204);
    EXPECT_EQ(bar.left, 104) << "16 + 188.5 - 100 = 104.5 rounds to the even 104";
    EXPECT_EQ(bar.right, 304);
    PixelBox frame = IdleBarFrame(bar);
    EXPECT_EQ(frame.left, 103);
    EXPECT_EQ(frame.top, 192);
    EXPECT_EQ(frame.right, 305);
    EXPECT_EQ(frame.bottom, 206);
    PixelBox first = IdleStepBox(bar, 0), last = IdleStepBox(bar, kIdleSteps - 1);
    EXPECT_EQ(first.left, 106);
    EXPECT_EQ(first.right, 113);
    EXPECT_EQ(last.left, 296);
    EXPECT_EQ(last.right, 303);
    EXPECT_LT(last.right, bar.right) << "the last step stays inside the bar";
    EXPECT_EQ(first.top, bar.top);
    EXPECT_EQ(first.bottom, bar.bottom);
}
