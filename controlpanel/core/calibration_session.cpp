#include "calibration_session.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

#include "calibration_layout.h"
#include "calibration_targets.h"
#include "calibration_transform.h"
#include "driver_requests.h"

namespace {

constexpr uint8_t kDragDropMode = 4;

uint16_t CrossBit(int target) {
    return uint16_t(1u << target);
}

}  // namespace

std::string ResolutionText(int width, int height) {
    return "Resolution: " + std::to_string(width) + " X " + std::to_string(height);
}

std::string TouchPromptSecondLine(const std::string& targetName) {
    return "show on the " + targetName + " of the screen";
}

std::string LiftOffPrompt(const std::string& text) {
    return "PLEASE LIFT OFF TO " + text;
}

std::string CompletionQuestion() {
    return "CALIBRATION IS COMPLETE.\r\r"
           "For test, touch on the screen and check cursor position.\r"
           "To save new calibration, click Yes button.\r"
           "To restore old calibration, click No button.";
}

CalibrationSession::CalibrationSession(DriverPort& driver, DriverBlock& block)
    : driver_(driver), block_(block) {}

RightButtonStep CalibrationSession::load() {
    loaded_ = true;
    screenSize_ = {block_.ScreenWidth, block_.ScreenHeight};
    rememberedAuto_ = block_.RightButtonAuto;
    screen_.resolution = ResolutionText(screenSize_.width, screenSize_.height);
    if (block_.RightButtonEnable != 1) return RightButtonStep::None;
    if (block_.ButtonMode == kDragDropMode && rememberedAuto_ != 0) {
        block_.RightButtonAuto = 0;
        driver_.transact(IOCTL_SET_BUTTON_MODE, block_);
        return RightButtonStep::BlockSent;
    }
    return RightButtonStep::NotifyTool;
}

RightButtonStep CalibrationSession::unload() {
    if (!loaded_) return RightButtonStep::None;
    loaded_ = false;
    if (block_.RightButtonEnable != 1) return RightButtonStep::None;
    if (block_.ButtonMode == kDragDropMode && rememberedAuto_ != 0) {
        block_.RightButtonAuto = 1;
        driver_.transact(IOCTL_SET_BUTTON_MODE, block_);
        return RightButtonStep::BlockSent;
    }
    return RightButtonStep::NotifyTool;
}

void CalibrationSession::begin(int mode) {
    if (phase_ != CalibrationPhase::NotStarted) return;
    if (forced_) {  // broken off before the first read
        finish(CalibrationEnd::Broken);
        return;
    }
    mode_ = mode;
    readings_.fill(RawPoint{0, 0});
    driver_.transact(IOCTL_GET_SMI_WINDOW, smiWindow_);
    rotation_ = NormalizeRotationCode(smiWindow_.Word);
    smiWindow_.Word = int16_t(rotation_);
    saved_ = CalibrationOf(block_);
    readTouch();
    if (touched()) {
        showLiftOffPrompt("START CALIBRATION!");
        screen_.touchIndicator = true;
        sendState(kStateNotStill);
        phase_ = CalibrationPhase::InitialLiftOff;
        return;
    }
    screen_.touchIndicator = false;
    break_ = false;
    startMode();
}

void CalibrationSession::readTouch() {
    if (phase_ == CalibrationPhase::Finished) return;
    driver_.transact(IOCTL_READ_TOUCH, report_);
}

void CalibrationSession::decide() {
    switch (phase_) {
        case CalibrationPhase::InitialLiftOff:
            // a confirmed break ends even this wait: a finger that never lifts, or a driver
            // that stopped answering with the touched bit set, must not trap the user
            if (break_) {
                finish(CalibrationEnd::Broken);
            } else if (!touched()) {
                screen_.touchIndicator = false;
                startMode();
            }
            break;
        case CalibrationPhase::WaitingForTouch:
            if (break_)
                endBroken();
            else if (touched())
                startHold();
            break;
        case CalibrationPhase::Holding:
            if (break_)
                endBroken();
            else if (!touched())
                waitForTouch();  // lifted too early: the same target again
            else
                holdStep();
            break;
        case CalibrationPhase::WaitingForLiftOff:
            if (!touched()) {
                screen_.touchIndicator = false;
                screen_.action.clear();
                nextTarget();
            } else if (break_) {
                endBroken();
            }
            break;
        case CalibrationPhase::NotStarted:
        case CalibrationPhase::Finished:
            break;
    }
}

void CalibrationSession::startMode() {
    std::optional<CalibrationMode> mode = CalibrationModeOf(mode_);
    if (!mode) {
        finish(CalibrationEnd::UnsupportedMode, std::string(), UnsupportedModeMessage(mode_));
        return;
    }
    targetNumber_ = 0;
    current_ = TargetsOf(*mode)[0];
    waitForTouch();
}

void CalibrationSession::waitForTouch() {
    still_ = 0;
    showCross(current_, true);
    showTouchPrompt(TargetName(current_));
    screen_.action = "TOUCH";
    screen_.touchIndicator = false;
    startIdleBar();
    phase_ = CalibrationPhase::WaitingForTouch;
}

void CalibrationSession::startHold() {
    reference_ = {report_.X, report_.Y};
    lastCounter_ = report_.Counter;
    screen_.touchIndicator = true;
    screen_.action = "HOLD";
    stopIdleBar();
    still_ = 0;
    startHoldTimer();
    phase_ = CalibrationPhase::Holding;
}

void CalibrationSession::holdStep() {
    if (!holdTimer_.on) {
        if (still_ >= kStillReadingsNeeded) {
            takeReading();
        } else {
            sendState(kStateNotStill);
            startHoldTimer();
        }
        return;
    }
    if (report_.Counter == lastCounter_) return;  // no new sample yet
    lastCounter_ = report_.Counter;
    if (still_ >= kStillReadingsNeeded) return;
    if (std::abs(reference_.X - report_.X) <= kStillTolerance &&
        std::abs(reference_.Y - report_.Y) <= kStillTolerance) {
        stillReadings_[size_t(still_++)] = {report_.X, report_.Y};
    } else {
        // the finger moved: start again from here, this sample not counted
        still_ = 0;
        reference_ = {report_.X, report_.Y};
    }
}

void CalibrationSession::takeReading() {
    int16_t sumX = 0, sumY = 0;
    for (int i = 0; i < still_; ++i) {
        sumX = int16_t(sumX + stillReadings_[size_t(i)].X);
        sumY = int16_t(sumY + stillReadings_[size_t(i)].Y);
    }
    readings_[size_t(current_)] = {int16_t(std::floor(double(sumX) / still_)),
                                   int16_t(std::floor(double(sumY) / still_))};
    showCross(current_, false);
    showLiftOffPrompt("NEXT STEP!");
    screen_.action = "LIFT-OFF";
    sendState(kStateReadingTaken);
    phase_ = CalibrationPhase::WaitingForLiftOff;
}

void CalibrationSession::nextTarget() {
    CalibrationMode mode = *CalibrationModeOf(mode_);
    if (++targetNumber_ < 4) {
        current_ = TargetsOf(mode)[targetNumber_];
        waitForTouch();
        return;
    }
    compute();
}

void CalibrationSession::compute() {
    CalibrationMode mode = *CalibrationModeOf(mode_);
    std::array<int, 4> targets = TargetsOf(mode);
    CalibrationReadings readings;
    for (size_t i = 0; i < 4; ++i) readings[i] = readings_[size_t(targets[i])];
    CalibrationResult result = ComputeCalibration(readings, mode, rotation_, screenSize_);
    new_ = result.calibration;
    switch (result.outcome) {
        case CalibrationOutcome::Ready:
            finish(CalibrationEnd::Ready);
            break;
        case CalibrationOutcome::IncorrectPanelDirection:
            // the readings stay as the direction check left them: swapped
            for (size_t i = 0; i < 4; ++i) readings_[size_t(targets[i])] = result.readings[i];
            finish(CalibrationEnd::IncorrectPanelDirection, result.title, result.message);
            break;
        case CalibrationOutcome::InvalidResult:
            finish(CalibrationEnd::InvalidResult, result.title, result.message);
            break;
    }
}

void CalibrationSession::endBroken() {
    sendState(kStateBroken);
    finish(CalibrationEnd::Broken);
}

void CalibrationSession::finish(CalibrationEnd end, std::string title, std::string message) {
    end_ = end;
    endTitle_ = std::move(title);
    endMessage_ = std::move(message);
    phase_ = CalibrationPhase::Finished;
    idleTimer_.on = false;
    holdTimer_.on = false;
}

void CalibrationSession::holdTimerEnded() {
    holdTimer_.on = false;
}

void CalibrationSession::idleTick() {
    if (!idleTimer_.on) return;
    // a bar started again without being cleared keeps the red steps it had
    screen_.idleBarFilled = std::max(screen_.idleBarFilled, idleSteps_ + 1);
    if (++idleSteps_ >= kIdleSteps) {
        idleTimer_.on = false;
        break_ = true;
    }
}

bool CalibrationSession::escape() {
    if (asking_ || phase_ == CalibrationPhase::NotStarted || phase_ == CalibrationPhase::Finished)
        return false;
    sendState(kStateNormal);
    showCross(current_, false);
    stopIdleBar();
    screen_.helpShown = false;
    asking_ = true;
    return true;
}

void CalibrationSession::answerBreak(bool breakOff) {
    if (!asking_) return;
    asking_ = false;
    break_ = breakOff || forced_;
    screen_.helpShown = true;
    startIdleBar();
    showCross(current_, true);  // even while waiting for the lift-off
}

void CalibrationSession::quit() {
    break_ = true;
}

void CalibrationSession::breakOff() {
    bool running = phase_ != CalibrationPhase::NotStarted && phase_ != CalibrationPhase::Finished;
    if (running && !forced_ && !asking_) sendState(kStateNormal);
    forced_ = true;
    break_ = true;
    if (applied_) restoreOldCalibration();
}

void CalibrationSession::applyNewCalibration() {
    if (forced_ || applied_) return;
    applied_ = true;
    screen_.surfaceShown = false;  // the grey window behind shows while the user tries it
    StoreCalibration(block_, new_);
    driver_.transact(IOCTL_SET_CALIBRATION, block_);
}

void CalibrationSession::announceEnd() {
    sendState(kStateNormal);
}

void CalibrationSession::keepNewCalibration() {
    settled_ = true;
}

void CalibrationSession::restoreOldCalibration() {
    if (settled_) return;
    settled_ = true;
    StoreCalibration(block_, saved_);
    driver_.transact(IOCTL_SET_CALIBRATION, block_);
}

void CalibrationSession::sendState(int32_t state) {
    CalibrationStateCommand command{state};
    driver_.transact(IOCTL_SET_CALIBRATION_STATE, command);
}

void CalibrationSession::showTouchPrompt(const std::string& name) {
    screen_.liftOffPromptShown = false;
    screen_.touchPrompt[0] = kTouchPromptFirstLine;
    screen_.touchPrompt[1] = TouchPromptSecondLine(name);
    screen_.touchPromptShown = true;
}

void CalibrationSession::showLiftOffPrompt(const std::string& text) {
    screen_.touchPromptShown = false;
    screen_.liftOffPrompt = LiftOffPrompt(text);
    screen_.liftOffPromptShown = true;
}

void CalibrationSession::showCross(int target, bool shown) {
    if (target < kFirstTarget || target > kLastTarget) return;
    if (shown) {
        screen_.crosses = uint16_t(screen_.crosses | CrossBit(target));
        screen_.actionTarget = target;
    } else {
        screen_.crosses = uint16_t(screen_.crosses & ~CrossBit(target));
    }
}

void CalibrationSession::startIdleBar() {
    screen_.idleBarFramed = true;
    idleSteps_ = 0;
    idleTimer_.on = true;
    ++idleTimer_.starts;
}

void CalibrationSession::stopIdleBar() {
    idleTimer_.on = false;
    idleSteps_ = 0;
    screen_.idleBarFilled = 0;
}

void CalibrationSession::startHoldTimer() {
    holdTimer_.on = true;
    ++holdTimer_.starts;
}
