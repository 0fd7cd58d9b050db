#include "settings_dialog_model.h"

int ClampToRange(int value, const Range& range) {
    int low = range.min < range.max ? range.min : range.max;
    int high = range.min < range.max ? range.max : range.min;
    return value < low ? low : value > high ? high : value;
}

int ListIndexFor(int value, int count) {
    return value >= 0 && value < count ? value : -1;
}

SettingsDialogModel::SettingsDialogModel(DriverBlock& block, DriverPort& driver,
                                         DriverRequestCode request)
    : block_(block), driver_(driver), request_(request) {}

void SettingsDialogModel::apply() {
    writeFields(block_);
    driver_.transact(request_, block_);
    applyEnabled_ = false;
    applied();
}

bool SettingsDialogModel::applyIfEnabled() {
    if (!applyEnabled_) return false;
    apply();
    return true;
}
