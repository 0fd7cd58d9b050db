// frmMouseSpeed: the pointer's horizontal and vertical speed, acceleration and bypass mode.
#include "frm_mouse_speed.h"
#include "mouse_speed_model.h"
#include "settings_dialogs.h"

using forms::Event;
using forms::EventType;

namespace {

constexpr MouseSpeedModel::Bar kH = MouseSpeedModel::Horizontal;
constexpr MouseSpeedModel::Bar kV = MouseSpeedModel::Vertical;

class MouseSpeedDialog final : public SettingsDialog {
public:
    explicit MouseSpeedDialog(ControlPanel& panel)
        : SettingsDialog(panel, MouseSpeedFormSpec(), "lblMouseSpeed"),
          model_(panel.block, panel.driver, panel.names) {}

private:
    SettingsDialogModel& model() override { return model_; }

    void load() override {
        bindBar("hscMouseHSpeed", kH);
        bindBar("hscMouseVSpeed", kV);
        on(EventType::Click, "chkBoth",
           [this](Event&) { model_.clickBoth(form_["chkBoth"].value() != 0); });
        on(EventType::Click, "chkBypass",
           [this](Event&) { model_.clickBypass(form_["chkBypass"].value() != 0); });
        on(EventType::Click, "optAcceleration",
           [this](Event& event) { model_.clickAcceleration(event.index); });
    }

    void bindBar(const char* name, MouseSpeedModel::Bar bar) {
        on(EventType::Change, name,
           [this, name, bar](Event&) { model_.barChanged(bar, form_[name].value()); });
        on(EventType::Scroll, name,
           [this, name, bar](Event&) { model_.barScrolled(bar, form_[name].value()); });
    }

    void render() override {
        bool speedEnabled = model_.speedControlsEnabled();
        ShowTick(form_["chkBypass"], model_.bypass());
        forms::Control& both = form_["chkBoth"];
        ShowTick(both, model_.both());
        both.setForeColour(model_.bothColour());
        both.setEnabled(speedEnabled);
        const struct {
            const char* bar;
            const char* label;
            MouseSpeedModel::Bar which;
        } bars[] = {{"hscMouseHSpeed", "lblHS", kH}, {"hscMouseVSpeed", "lblVS", kV}};
        for (const auto& row : bars) {
            ShowBar(form_[row.bar], model_.bar(row.which));
            form_[row.bar].setEnabled(speedEnabled);
            form_[row.label].setCaption(model_.barLabel(row.which));
        }
        for (int index = 1; index <= 4; ++index) {
            forms::Control& option = form_.item("optAcceleration", index);
            option.setCaption(model_.accelerationCaption(index));
            ShowChoice(option, model_.accelerationSelected(index));
            option.setEnabled(speedEnabled);
        }
    }

    MouseSpeedModel model_;
};

}  // namespace

std::unique_ptr<ChildWindow> MakeMouseSpeedDialog(ControlPanel& panel) {
    return std::make_unique<MouseSpeedDialog>(panel);
}
