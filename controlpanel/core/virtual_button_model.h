// frmVirtualButton's decisions: the touch mode, the right-button function, the automatic
// switching of drag-and-drop mode, and whether the right-button tool runs afterwards.
#pragma once

#include <string>
#include <vector>

#include "name_tables.h"
#include "settings_dialog_model.h"

constexpr int kDragDropMode = 4;
constexpr int kToggleTimeCount = 10;

// "0.5", "1", "1.5" ... "5": the toggle times of 0.5 s × (index + 1), in their shortest form.
std::vector<std::string> ToggleTimeTexts(const std::string& decimalSeparator);

enum class RightButtonToolAction { Start, Quit };

class VirtualButtonModel final : public SettingsDialogModel {
public:
    // The six fields the dialog edits, as the block holds them.
    struct Working {
        int mode;
        int function;   // right button: 0 off, 1 on
        int switching;  // 0 manual, 1 automatic
        int onTime;     // toggle-on list index
        int offTime;
        int beep;
    };

    VirtualButtonModel(DriverBlock& block, DriverPort& driver, const NameTables& names);

    void clickMode(int mode);
    void clickFunction(int function);
    // A choice from one of the lists; the list index becomes the working value.
    void chooseSwitching(int index);
    void chooseOnTime(int index);
    void chooseOffTime(int index);
    void chooseBeep(int index);

    const Working& working() const { return working_; }
    std::string modeCaption(int index) const;  // " Drag Drop Mode"
    bool modeSelected(int index) const { return index == working_.mode; }
    bool functionSelected(int index) const { return index == working_.function; }
    // cboRBAutoMode: only drag-and-drop mode with the right button on switches by itself.
    bool switchingEnabled() const;
    // The toggle times and the beep: only when switching is enabled and automatic.
    bool automaticRowEnabled() const;

    // Decided on the values just applied: the tool runs while the right button is worked by
    // hand, and is closed when the function is off or the driver switches by itself.
    RightButtonToolAction toolAction() const;
    std::string statusLine() const override;

private:
    bool differsFromBlock() const override;
    void writeFields(DriverBlock& block) const override;

    const NameTables& names_;
    Working working_;
};
