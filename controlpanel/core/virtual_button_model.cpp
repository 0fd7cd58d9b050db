#include "virtual_button_model.h"

#include "formatters.h"

std::vector<std::string> ToggleTimeTexts(const std::string& decimalSeparator) {
    std::vector<std::string> texts;
    for (int half = 1; half <= kToggleTimeCount; ++half) {
        std::string text = std::to_string(half / 2);
        if (half % 2) text += decimalSeparator + "5";
        texts.push_back(text);
    }
    return texts;
}

VirtualButtonModel::VirtualButtonModel(DriverBlock& block, DriverPort& driver,
                                       const NameTables& names)
    : SettingsDialogModel(block, driver, IOCTL_SET_BUTTON_MODE),
      names_(names),
      working_{block.ButtonMode,        block.RightButtonEnable,  block.RightButtonAuto,
               block.RightButtonOnTime, block.RightButtonOffTime, block.RightButtonBeep} {
    runApplyRule();
}

void VirtualButtonModel::clickMode(int mode) {
    if (mode == working_.mode) return;
    working_.mode = mode;
    runApplyRule();
}

void VirtualButtonModel::clickFunction(int function) {
    if (function == working_.function) return;
    working_.function = function;
    runApplyRule();
}

void VirtualButtonModel::chooseSwitching(int index) {
    if (index < 0) return;
    working_.switching = index;
    runApplyRule();
}

void VirtualButtonModel::chooseOnTime(int index) {
    if (index < 0) return;
    working_.onTime = index;
    runApplyRule();
}

void VirtualButtonModel::chooseOffTime(int index) {
    if (index < 0) return;
    working_.offTime = index;
    runApplyRule();
}

void VirtualButtonModel::chooseBeep(int index) {
    if (index < 0) return;
    working_.beep = index;
    runApplyRule();
}

std::string VirtualButtonModel::modeCaption(int index) const {
    return index >= 1 && index <= 4 ? " " + names_.mode[size_t(index)] : std::string();
}

bool VirtualButtonModel::switchingEnabled() const {
    return working_.mode == kDragDropMode && working_.function == 1;
}

bool VirtualButtonModel::automaticRowEnabled() const {
    return switchingEnabled() && working_.switching == 1;
}

RightButtonToolAction VirtualButtonModel::toolAction() const {
    bool needed =
        working_.function == 1 && (working_.mode != kDragDropMode || working_.switching == 0);
    return needed ? RightButtonToolAction::Start : RightButtonToolAction::Quit;
}

std::string VirtualButtonModel::statusLine() const {
    return ModeLine(names_, working_.mode, working_.function, working_.switching);
}

// Settings the current combination does not use are not compared.
bool VirtualButtonModel::differsFromBlock() const {
    if (working_.mode != block_.ButtonMode || working_.function != block_.RightButtonEnable)
        return true;
    if (!switchingEnabled()) return false;
    if (working_.switching != block_.RightButtonAuto) return true;
    if (working_.switching != 1) return false;
    return working_.onTime != block_.RightButtonOnTime ||
           working_.offTime != block_.RightButtonOffTime || working_.beep != block_.RightButtonBeep;
}

// All six go back, compared or not: an edit made while unused is stored with the next Apply.
void VirtualButtonModel::writeFields(DriverBlock& block) const {
    block.ButtonMode = uint8_t(working_.mode);
    block.RightButtonEnable = uint8_t(working_.function);
    block.RightButtonAuto = uint8_t(working_.switching);
    block.RightButtonOnTime = uint8_t(working_.onTime);
    block.RightButtonOffTime = uint8_t(working_.offTime);
    block.RightButtonBeep = uint8_t(working_.beep);
}
