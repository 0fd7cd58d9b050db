// frmSleepTime's decisions: the idle time before the controller powers down, in steps of ten
// seconds, or power-down off.
#pragma once

#include "settings_dialog_model.h"

constexpr Range kSleepTimeBarRange{0, 30, 1, 6, 15};

class SleepTimeModel final : public SettingsDialogModel {
public:
    SleepTimeModel(DriverBlock& block, DriverPort& driver);

    // The thumb is being dragged: the texts follow, Apply waits for the release.
    void barScrolled(int value);
    void barChanged(int value);

    int bar() const { return bar_; }
    std::string secondsText() const;  // lblST, " 150"
    std::string sentence() const;     // lblSS, "Power Down When Idle  2 Min.  30 Sec."

    std::string statusLine() const override { return sentence(); }

private:
    bool differsFromBlock() const override { return bar_ != block_.SleepTime; }
    void writeFields(DriverBlock& block) const override { block.SleepTime = uint8_t(bar_); }

    int bar_;
};
