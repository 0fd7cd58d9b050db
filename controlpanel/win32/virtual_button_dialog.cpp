// frmVirtualButton: the touch mode, the right-button function and its automatic switching;
// Apply starts or closes the right-button tool to match.
#include "companion_programs.h"
#include "frm_virtual_button.h"
#include "settings_dialogs.h"
#include "virtual_button_model.h"

using forms::Event;
using forms::EventType;

namespace {

// The toggle times are numbers in the user's own notation.
std::string DecimalSeparator() {
    char separator[8] = {};
    if (GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, separator, sizeof separator) <= 1)
        return ".";
    return separator;
}

const char* const kAutomaticRow[] = {"lblRBAutoSTime", "cboRBAutoSTime", "lblRBAutoSTimeSec",
                                     "lblRBAutoETime", "cboRBAutoETime", "lblRBAutoETimeSec",
                                     "lblRBAutoBeep",  "cboRBAutoBeep"};

class VirtualButtonDialog final : public SettingsDialog {
public:
    explicit VirtualButtonDialog(ControlPanel& panel)
        : SettingsDialog(panel, VirtualButtonFormSpec(), "lblVirtualButton"),
          model_(panel.block, panel.driver, panel.names) {}

private:
    SettingsDialogModel& model() override { return model_; }

    void load() override {
        fillLists();
        on(EventType::Click, "optVirtualButton",
           [this](Event& event) { model_.clickMode(event.index); });
        on(EventType::Click, "optRBFunction",
           [this](Event& event) { model_.clickFunction(event.index); });
        bindList("cboRBAutoMode", &VirtualButtonModel::chooseSwitching);
        bindList("cboRBAutoSTime", &VirtualButtonModel::chooseOnTime);
        bindList("cboRBAutoETime", &VirtualButtonModel::chooseOffTime);
        bindList("cboRBAutoBeep", &VirtualButtonModel::chooseBeep);
    }

    void fillLists() {
        forms::Control& switching = form_["cboRBAutoMode"];
        switching.addItem(" Manual Mode");
        switching.addItem(" Automatic Mode");
        forms::Control& on = form_["cboRBAutoSTime"];
        forms::Control& off = form_["cboRBAutoETime"];
        for (const std::string& time : ToggleTimeTexts(DecimalSeparator())) {
            on.addItem(time);
            off.addItem(time);
        }
        forms::Control& beep = form_["cboRBAutoBeep"];
        beep.addItem("Off");
        beep.addItem("On");
    }

    void bindList(const char* name, void (VirtualButtonModel::*choose)(int)) {
        on(EventType::Click, name,
           [this, name, choose](Event&) { (model_.*choose)(form_[name].listIndex()); });
    }

    void render() override {
        const VirtualButtonModel::Working& working = model_.working();
        for (int index = 1; index <= 4; ++index) {
            forms::Control& option = form_.item("optVirtualButton", index);
            option.setCaption(model_.modeCaption(index));
            ShowChoice(option, model_.modeSelected(index));
        }
        for (int index = 0; index <= 1; ++index)
            ShowChoice(form_.item("optRBFunction", index), model_.functionSelected(index));
        const struct {
            const char* list;
            int value;
        } lists[] = {{"cboRBAutoMode", working.switching},
                     {"cboRBAutoSTime", working.onTime},
                     {"cboRBAutoETime", working.offTime},
                     {"cboRBAutoBeep", working.beep}};
        for (const auto& row : lists) {
            forms::Control& list = form_[row.list];
            ShowListIndex(list, ListIndexFor(row.value, list.listCount()));
        }
        form_["cboRBAutoMode"].setEnabled(model_.switchingEnabled());
        for (const char* name : kAutomaticRow) form_[name].setEnabled(model_.automaticRowEnabled());
    }

    void applied() override {
        if (model_.toolAction() == RightButtonToolAction::Start)
            StartRightButtonTool(panel_.config.programFolder);
        else
            NotifyCompanion(panel_.driver, NOTIFY_RB_QUIT);
    }

    VirtualButtonModel model_;
};

}  // namespace

std::unique_ptr<ChildWindow> MakeVirtualButtonDialog(ControlPanel& panel) {
    return std::make_unique<VirtualButtonDialog>(panel);
}
