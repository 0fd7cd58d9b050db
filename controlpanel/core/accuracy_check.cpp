#include "accuracy_check.h"

#include <cmath>

std::array<ScreenPoint, kAccuracyTargets> AccuracyTargets(int screenWidth, int screenHeight) {
    const int percents[3] = {10, 50, 90};
    std::array<ScreenPoint, kAccuracyTargets> targets{};
    for (int row = 0; row < 3; ++row)
        for (int column = 0; column < 3; ++column)
            targets[row * 3 + column] = {int(int64_t(screenWidth) * percents[column] / 100),
                                         int(int64_t(screenHeight) * percents[row] / 100)};
    return targets;
}

TargetFigures MeasureTarget(ScreenPoint target, const std::vector<PointerSample>& hold) {
    TargetFigures figures;
    figures.target = target;
    if (hold.empty()) return figures;
    std::vector<PointerSample> kept;
    for (const PointerSample& sample : hold)
        if (uint32_t(sample.time - hold.front().time) >= kSettleMilliseconds)
            kept.push_back(sample);
    // a hold that ended within the settling time still has where it was released
    if (kept.empty()) kept.push_back(hold.back());
    double sumX = 0, sumY = 0;
    for (const PointerSample& sample : kept) {
        sumX += sample.x;
        sumY += sample.y;
    }
    figures.samples = int(kept.size());
    figures.meanX = sumX / figures.samples;
    figures.meanY = sumY / figures.samples;
    figures.dx = figures.meanX - target.x;
    figures.dy = figures.meanY - target.y;
    figures.error = std::hypot(figures.dx, figures.dy);
    for (const PointerSample& sample : kept) {
        double distance = std::hypot(sample.x - figures.meanX, sample.y - figures.meanY);
        if (distance > figures.spread) figures.spread = distance;
    }
    return figures;
}

Verdict VerdictFor(double error, int screenWidth, int screenHeight) {
    // squares on both sides: an error of exactly 1 % of the diagonal is still good
    double diagonalSquared =
        double(screenWidth) * screenWidth + double(screenHeight) * screenHeight;
    double errorSquared = error * error;
    if (errorSquared * 100 * 100 <= diagonalSquared) return Verdict::Good;
    if (errorSquared * 50 * 50 <= diagonalSquared) return Verdict::Acceptable;
    return Verdict::Recalibrate;
}

const char* VerdictName(Verdict verdict) {
    switch (verdict) {
        case Verdict::Good:
            return "Good";
        case Verdict::Acceptable:
            return "Acceptable";
        case Verdict::Recalibrate:
            break;
    }
    return "Recalibrate";
}

AccuracySummary Summarise(const std::vector<TargetFigures>& figures, int screenWidth,
                          int screenHeight) {
    AccuracySummary summary;
    if (figures.empty()) return summary;
    double total = 0;
    for (size_t i = 0; i < figures.size(); ++i) {
        total += figures[i].error;
        if (summary.largestTarget == 0 || figures[i].error > summary.largestError) {
            summary.largestError = figures[i].error;
            summary.largestTarget = int(i) + 1;
        }
    }
    summary.meanError = total / double(figures.size());
    summary.verdict = VerdictFor(summary.largestError, screenWidth, screenHeight);
    return summary;
}

AccuracyCheck::AccuracyCheck(int screenWidth, int screenHeight, uint32_t now)
    : width_(screenWidth),
      height_(screenHeight),
      targets_(AccuracyTargets(screenWidth, screenHeight)),
      lastTouch_(now) {}

ScreenPoint AccuracyCheck::target() const {
    return targets_[done() ? kAccuracyTargets - 1 : figures_.size()];
}

void AccuracyCheck::press(uint32_t time, int x, int y, int button) {
    if (done()) return;
    buttonsHeld_ |= button;
    // a second button going down during a hold is part of the same touch
    if (hold_.empty()) hold_.push_back({time, x, y});
    lastTouch_ = time;
}

void AccuracyCheck::move(uint32_t time, int x, int y) {
    if (hold_.empty()) return;
    hold_.push_back({time, x, y});
    lastTouch_ = time;
}

AccuracyCheck::Release AccuracyCheck::release(uint32_t time, int x, int y, int button) {
    buttonsHeld_ &= ~button;
    if (hold_.empty()) return Release::Ignored;
    hold_.push_back({time, x, y});
    lastTouch_ = time;
    std::vector<PointerSample> hold;
    hold.swap(hold_);
    bool tooShort = uint32_t(time - hold.front().time) < kShortestHoldMilliseconds;
    retry_ = tooShort ? Retry::TooShort : Retry::None;
    if (tooShort) return Release::TooShort;
    figures_.push_back(MeasureTarget(target(), hold));
    return Release::Recorded;
}

bool AccuracyCheck::holdLost() {
    buttonsHeld_ = 0;
    if (hold_.empty()) return false;
    hold_.clear();
    retry_ = Retry::Interrupted;
    return true;
}

void AccuracyCheck::restart(uint32_t now) {
    figures_.clear();
    hold_.clear();
    buttonsHeld_ = 0;
    lastTouch_ = now;
    retry_ = Retry::None;
}

bool AccuracyCheck::idle(uint32_t now) const {
    int32_t elapsed = int32_t(now - lastTouch_);  // the clock wraps: a difference, never an order
    return !pressed() && !done() && elapsed >= int32_t(kAccuracyIdleMilliseconds);
}
