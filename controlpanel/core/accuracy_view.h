// What the accuracy check window shows and where, in pixels: the check's texts and crosses, and
// the result view with its picture of the screen.
#pragma once

#include <stdint.h>

#include <string>
#include <vector>

#include "accuracy_check.h"
#include "calibration_layout.h"
#include "calibration_targets.h"

constexpr char kAccuracyCaption[] = "Accuracy Check";

// "Touch and hold the centre of the cross", saying why when the target is asked for again.
std::string AccuracyInstruction(AccuracyCheck::Retry retry);
// "Target 3 of 9"
std::string TargetProgress(int number);

// The calibration's cross, crossed at the target.
CrossMark AccuracyCross(ScreenPoint target);

// The top of the check's text block: centred between the first row of crosses and the second.
int CheckTextTop(int screenWidth, int screenHeight, int blockHeight);

// Colours are 0x00BBGGRR: green, orange, red.
uint32_t VerdictColour(Verdict verdict);

constexpr int kOffsetMagnification = 5;  // small errors show

// A target in the result picture and its offset drawn five times as long, coloured by the
// target's own verdict.
struct ResultMark {
    int x, y;
    int toX, toY;
    uint32_t colour;
};

// The screen scaled into a picture of pictureWidth x pictureHeight pixels.
std::vector<ResultMark> ResultMarks(const std::vector<TargetFigures>& figures, int screenWidth,
                                    int screenHeight, int pictureWidth, int pictureHeight);

struct AccuracyResultInput {
    int clientWidth, clientHeight;
    int margin;
    int titleWidth, titleHeight;
    int lineHeight;  // each of the three result lines
    int buttonWidth, buttonHeight;
    int screenWidth, screenHeight;  // the picture keeps their proportions
    int pictureBorder;              // on each side
};

constexpr int kResultLines = 3;
constexpr int kResultButtons = 3;

// The title on top, the picture as large as fits below it, and under the picture the result
// lines on its left and the buttons (Save Report, Again, Close) ending at its right.
struct AccuracyResultLayout {
    PixelRect title;
    PixelRect picture;  // outer
    PixelRect lines[kResultLines];
    PixelRect buttons[kResultButtons];
};

AccuracyResultLayout LayOutAccuracyResult(const AccuracyResultInput& in);
