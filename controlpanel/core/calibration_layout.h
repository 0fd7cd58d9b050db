// The calibration window's run-time layout and its idle bar, in pixels.
#pragma once

#include "calibration_targets.h"

struct PixelRect {
    int left;
    int top;
    int width;
    int height;
};

// What the layout reads: the client area and the controls' current sizes, each in its
// container's pixels.
struct CalibrationLayoutInput {
    int clientWidth;
    int clientHeight;
    int homeHeight;   // picHome
    int messageLeft;  // picMesg, inside picHome
    int messageWidth;
    int statusWidth;  // picStat, inside picHome
    int statusHeight;
    int titleWidth;  // lblTitle
    int titleHeight;
    int liftPromptHeight;  // lblMesg3, inside picMesg
};

struct CalibrationLayout {
    PixelRect surface;  // picCalibration: the whole client area
    PixelRect home;     // picHome, centred on the surface
    int titleLeft;      // lblTitle, centred one and a half of its heights above picHome
    int titleTop;
    int statusLeft;     // picStat, centred in picHome
    int messageLeft;    // picMesg, centred in picHome
    int liftPromptTop;  // lblMesg3, centred on picStat's height
    CalibrationSurface targets;
};

CalibrationLayout LayOutCalibration(const CalibrationLayoutInput& in);

constexpr int kIdleSteps = 20;      // one a second: the time a target waits for its touch
constexpr int kIdleStepWidth = 10;  // pixels
constexpr int kIdleBarHeight = 10;

// The idle bar inside picHome: 200 pixels centred under picMesg, two lblHelp heights below
// lblHelp's top. Edges are inclusive, as drawn.
struct IdleBar {
    int left, top, right, bottom;
};
IdleBar IdleBarOf(int helpTop, int helpHeight, int messageLeft, int messageWidth);

struct PixelBox {
    int left, top, right, bottom;  // inclusive
};
// The black outline around the bar.
PixelBox IdleBarFrame(const IdleBar& bar);
// The red box of step 0..19.
PixelBox IdleStepBox(const IdleBar& bar, int step);
