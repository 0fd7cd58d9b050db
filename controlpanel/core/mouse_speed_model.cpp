#include "mouse_speed_model.h"

#include "formatters.h"

namespace {

MouseSpeedModel::Bar Partner(MouseSpeedModel::Bar bar) {
    return bar == MouseSpeedModel::Horizontal ? MouseSpeedModel::Vertical
                                              : MouseSpeedModel::Horizontal;
}

}  // namespace

MouseSpeedModel::MouseSpeedModel(DriverBlock& block, DriverPort& driver, const NameTables& names)
    : SettingsDialogModel(block, driver, IOCTL_SET_MOUSE_SPEED), names_(names) {
    acceleration_ = block.Acceleration;
    bypass_ = block.BypassMode != 0;
    both_ = true;
    setBar(Horizontal, block.SpeedH);
    setBar(Vertical, block.SpeedV);
    clickBypass(bypass_);
}

void MouseSpeedModel::setBar(Bar bar, int value) {
    value = ClampToRange(value, kSpeedBarRange);
    if (value != bars_[bar]) barChanged(bar, value);
}

void MouseSpeedModel::barChanged(Bar bar, int value) {
    bars_[bar] = ClampToRange(value, kSpeedBarRange);
    if (both_) setBar(Partner(bar), bars_[bar]);
    runApplyRule();
}

void MouseSpeedModel::barScrolled(Bar bar, int value) {
    bars_[bar] = ClampToRange(value, kSpeedBarRange);
    if (both_) setBar(Partner(bar), bars_[bar]);
}

// Coupling takes effect from the next bar movement; ticking changes no value.
void MouseSpeedModel::clickBoth(bool ticked) {
    both_ = ticked;
}

void MouseSpeedModel::clickBypass(bool ticked) {
    bypass_ = ticked;
    runApplyRule();
}

void MouseSpeedModel::clickAcceleration(int index) {
    if (index == acceleration_) return;
    acceleration_ = index;
    runApplyRule();
}

std::string MouseSpeedModel::barLabel(Bar bar) const {
    return std::to_string(bars_[bar] * 5) + "%";
}

std::string MouseSpeedModel::accelerationCaption(int index) const {
    return index >= 1 && index <= 4 ? names_.acceleration[size_t(index)] : std::string();
}

std::string MouseSpeedModel::statusLine() const {
    return SpeedLine(names_, block_.SpeedH, block_.SpeedV, block_.Acceleration, block_.BypassMode);
}

// Any non-zero BypassMode is bypass on, as the driver reads it.
bool MouseSpeedModel::differsFromBlock() const {
    return bypass_ != (block_.BypassMode != 0) || bars_[Vertical] != block_.SpeedV ||
           bars_[Horizontal] != block_.SpeedH || acceleration_ != block_.Acceleration;
}

void MouseSpeedModel::writeFields(DriverBlock& block) const {
    block.BypassMode = bypass_ ? 1 : 0;
    block.SpeedH = uint8_t(bars_[Horizontal]);
    block.SpeedV = uint8_t(bars_[Vertical]);
    block.Acceleration = uint8_t(acceleration_);
}
