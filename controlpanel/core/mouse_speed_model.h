// frmMouseSpeed's decisions: the two speed bars that move together while chkBoth is ticked,
// the acceleration choice and the bypass switch that greys them.
#pragma once

#include "name_tables.h"
#include "settings_dialog_model.h"

// Speeds in steps of 5 %: 1 is "5%", 20 is "100%".
constexpr Range kSpeedBarRange{1, 20, 1, 2, 1};

class MouseSpeedModel final : public SettingsDialogModel {
public:
    enum Bar { Horizontal, Vertical };

    // Loads from the block as the dialog opens: chkBoth ticked, the horizontal speed set and
    // then the vertical one, so that differing speeds open coupled at the vertical value.
    MouseSpeedModel(DriverBlock& block, DriverPort& driver, const NameTables& names);

    // A bar's value changed (arrow, page, thumb released); the partner follows while coupled.
    void barChanged(Bar bar, int value);
    // The thumb is being dragged.
    void barScrolled(Bar bar, int value);
    void clickBoth(bool ticked);
    void clickBypass(bool ticked);
    void clickAcceleration(int index);

    int bar(Bar bar) const { return bars_[bar]; }
    std::string barLabel(Bar bar) const;  // "50%"
    bool both() const { return both_; }
    uint32_t bothColour() const { return ChoiceColour(both_); }
    bool bypass() const { return bypass_; }
    // chkBoth, both bars and the four acceleration options
    bool speedControlsEnabled() const { return !bypass_; }
    int acceleration() const { return acceleration_; }
    std::string accelerationCaption(int index) const;
    bool accelerationSelected(int index) const { return index == acceleration_; }

    std::string statusLine() const override;

private:
    bool differsFromBlock() const override;
    void writeFields(DriverBlock& block) const override;
    void setBar(Bar bar, int value);

    const NameTables& names_;
    int bars_[2] = {kSpeedBarRange.value, kSpeedBarRange.value};
    bool both_ = true;
    bool bypass_ = false;
    int acceleration_ = 0;
};
