#include "sleep_time_model.h"

#include "formatters.h"

SleepTimeModel::SleepTimeModel(DriverBlock& block, DriverPort& driver)
    : SettingsDialogModel(block, driver, IOCTL_SET_SLEEP_TIME),
      bar_(ClampToRange(block.SleepTime, kSleepTimeBarRange)) {
    // a stored time beyond the bar shows as the longest, ready to be applied
    runApplyRule();
}

void SleepTimeModel::barScrolled(int value) {
    bar_ = ClampToRange(value, kSleepTimeBarRange);
}

void SleepTimeModel::barChanged(int value) {
    bar_ = ClampToRange(value, kSleepTimeBarRange);
    runApplyRule();
}

std::string SleepTimeModel::secondsText() const {
    return NumberText(int64_t{bar_} * 10);
}

std::string SleepTimeModel::sentence() const {
    return PowerDownLine(bar_);
}
