// What every settings dialog of the control panel shares: its fields live in the program's
// DriverBlock, Apply is lit exactly while the dialog shows something else, and Apply writes the
// fields and sends the whole block with the dialog's request.
#pragma once

#include <stdint.h>

#include <string>

#include "driver_port.h"
#include "driver_records.h"
#include "driver_requests.h"
#include "form_spec.h"

// A choice caption: black when selected, teal when not.
constexpr uint32_t ChoiceColour(bool selected) {
    return selected ? kBlack : kDimmedCaption;
}

// The value a scroll bar of this range shows for a field's value.
int ClampToRange(int value, const Range& range);

// The list index a drop-down list of count entries shows for a stored value: none when the
// value has no entry.
int ListIndexFor(int value, int count);

class SettingsDialogModel {
public:
    SettingsDialogModel(DriverBlock& block, DriverPort& driver, DriverRequestCode request);
    virtual ~SettingsDialogModel() = default;
    SettingsDialogModel(const SettingsDialogModel&) = delete;
    SettingsDialogModel& operator=(const SettingsDialogModel&) = delete;

    bool applyEnabled() const { return applyEnabled_; }
    // Lights Apply while any of the dialog's values differs from its DriverBlock field.
    void runApplyRule() { applyEnabled_ = differsFromBlock(); }

    // The dialog's fields into the block, the whole block to the driver with the dialog's
    // request, the driver's answer kept as the program's block; Apply goes dark. The driver's
    // result is not examined.
    void apply();
    // OK applies first when Apply is lit; true when it did.
    bool applyIfEnabled();

    // The line the main window shows for the dialog's settings once they are applied.
    virtual std::string statusLine() const = 0;

    const DriverBlock& block() const { return block_; }

protected:
    virtual bool differsFromBlock() const = 0;
    virtual void writeFields(DriverBlock& block) const = 0;
    // What changes in the dialog itself once its values are applied.
    virtual void applied() {}

    DriverBlock& block_;
    DriverPort& driver_;

private:
    DriverRequestCode request_;
    bool applyEnabled_ = false;
};
