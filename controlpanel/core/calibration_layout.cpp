#include "calibration_layout.h"

#include "calibration_edges.h"

namespace {

int Half(double value) {
    return RoundHalfEven(value / 2.0);
}

}  // namespace

CalibrationLayout LayOutCalibration(const CalibrationLayoutInput& in) {
    CalibrationLayout out{};
    out.surface = {0, 0, in.clientWidth, in.clientHeight};
    int homeWidth = 2 * in.messageLeft + in.messageWidth;
    out.home = {Half(in.clientWidth - homeWidth), Half(in.clientHeight - in.homeHeight), homeWidth,
                in.homeHeight};
    out.titleTop = RoundHalfEven(out.home.top - 1.5 * in.titleHeight);
    out.titleLeft = Half(in.clientWidth - in.titleWidth);
    out.statusLeft = Half(homeWidth - in.statusWidth);
    out.messageLeft = Half(homeWidth - in.messageWidth);
    out.liftPromptTop = Half(in.statusHeight - in.liftPromptHeight);
    out.targets = SurfaceOf(in.clientWidth, in.clientHeight);
    return out;
}

IdleBar IdleBarOf(int helpTop, int helpHeight, int messageLeft, int messageWidth) {
    IdleBar bar{};
    bar.top = helpTop + 2 * helpHeight;
    bar.bottom = bar.top + kIdleBarHeight;
    bar.left = RoundHalfEven(messageLeft + messageWidth / 2.0 - kIdleSteps * kIdleStepWidth / 2);
    bar.right = bar.left + kIdleSteps * kIdleStepWidth;
    return bar;
}

PixelBox IdleBarFrame(const IdleBar& bar) {
    return {bar.left - 1, bar.top - 2, bar.right + 1, bar.bottom + 2};
}

PixelBox IdleStepBox(const IdleBar& bar, int step) {
    int left = bar.left + kIdleStepWidth * step + 2;
    return {left, bar.top, left + 7, bar.bottom};
}
