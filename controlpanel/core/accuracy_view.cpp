#include "accuracy_view.h"

#include <algorithm>
#include <cmath>

namespace {

// A screen coordinate in a picture of another size: the middle of a pixel stays in its pixel.
int Scaled(double value, int from, int to) {
    return int(std::floor((value + 0.5) * to / from));
}

}  // namespace

std::string AccuracyInstruction(AccuracyCheck::Retry retry) {
    const std::string instruction = "Touch and hold the centre of the cross";
    switch (retry) {
        case AccuracyCheck::Retry::TooShort:
            return "That touch was too short. " + instruction;
        case AccuracyCheck::Retry::Interrupted:
            return "That touch was interrupted. " + instruction;
        case AccuracyCheck::Retry::None:
            break;
    }
    return instruction;
}

std::string TargetProgress(int number) {
    return "Target " + std::to_string(number) + " of " + std::to_string(kAccuracyTargets);
}

CrossMark AccuracyCross(ScreenPoint target) {
    return CrossMarkAt(target.x, target.y);
}

int CheckTextTop(int screenWidth, int screenHeight, int blockHeight) {
    auto targets = AccuracyTargets(screenWidth, screenHeight);
    int above = AccuracyCross(targets[0]).y2, below = AccuracyCross(targets[3]).y1;
    return (above + below - blockHeight) / 2;
}

uint32_t VerdictColour(Verdict verdict) {
    switch (verdict) {
        case Verdict::Good:
            return 0x008000;
        case Verdict::Acceptable:
            return 0x008CFF;
        case Verdict::Recalibrate:
            break;
    }
    return 0x0000FF;
}

std::vector<ResultMark> ResultMarks(const std::vector<TargetFigures>& figures, int screenWidth,
                                    int screenHeight, int pictureWidth, int pictureHeight) {
    std::vector<ResultMark> marks;
    if (screenWidth <= 0 || screenHeight <= 0) return marks;
    for (const TargetFigures& target : figures) {
        double toX = target.target.x + kOffsetMagnification * target.dx;
        double toY = target.target.y + kOffsetMagnification * target.dy;
        marks.push_back({Scaled(target.target.x, screenWidth, pictureWidth),
                         Scaled(target.target.y, screenHeight, pictureHeight),
                         Scaled(toX, screenWidth, pictureWidth),
                         Scaled(toY, screenHeight, pictureHeight),
                         VerdictColour(VerdictFor(target.error, screenWidth, screenHeight))});
    }
    return marks;
}

AccuracyResultLayout LayOutAccuracyResult(const AccuracyResultInput& in) {
    AccuracyResultLayout out{};
    const int m = in.margin, border = 2 * in.pictureBorder;
    out.title = {(in.clientWidth - in.titleWidth) / 2, m, in.titleWidth, in.titleHeight};

    int band = std::max(kResultLines * in.lineHeight, in.buttonHeight);
    int top = out.title.top + in.titleHeight + m;
    int roomWidth = std::max(in.clientWidth - 2 * m - border, 1);
    int roomHeight = std::max(in.clientHeight - top - m - band - m - border, 1);
    int sw = std::max(in.screenWidth, 1), sh = std::max(in.screenHeight, 1);
    int width = roomWidth, height = roomWidth * sh / sw;
    if (int64_t(roomWidth) * sh > int64_t(roomHeight) * sw) {
        height = roomHeight;
        width = roomHeight * sw / sh;
    }
    out.picture = {(in.clientWidth - width - border) / 2, top, width + border, height + border};

    int bandTop = top + out.picture.height + m;
    int right = out.picture.left + out.picture.width;
    for (int i = kResultButtons - 1; i >= 0; --i) {
        right -= in.buttonWidth;
        out.buttons[i] = {right, bandTop, in.buttonWidth, in.buttonHeight};
        right -= m;
    }
    int linesWidth = std::max(right - out.picture.left, 0);
    for (int i = 0; i < kResultLines; ++i)
        out.lines[i] = {out.picture.left, bandTop + i * in.lineHeight, linesWidth, in.lineHeight};
    return out;
}
