// frmSleepTime: the idle time before the controller powers down.
#include "frm_sleep_time.h"
#include "settings_dialogs.h"
#include "sleep_time_model.h"

using forms::Event;
using forms::EventType;

namespace {

class SleepTimeDialog final : public SettingsDialog {
public:
    explicit SleepTimeDialog(ControlPanel& panel)
        : SettingsDialog(panel, SleepTimeFormSpec(), "lblSleepTime"),
          model_(panel.block, panel.driver) {}

private:
    SettingsDialogModel& model() override { return model_; }

    void load() override {
        on(EventType::Scroll, "hscSleepTime",
           [this](Event&) { model_.barScrolled(form_["hscSleepTime"].value()); });
        on(EventType::Change, "hscSleepTime",
           [this](Event&) { model_.barChanged(form_["hscSleepTime"].value()); });
    }

    void render() override {
        ShowBar(form_["hscSleepTime"], model_.bar());
        form_["lblST"].setCaption(model_.secondsText());
        form_["lblSS"].setCaption(model_.sentence());
    }

    SleepTimeModel model_;
};

}  // namespace

std::unique_ptr<ChildWindow> MakeSleepTimeDialog(ControlPanel& panel) {
    return std::make_unique<SleepTimeDialog>(panel);
}
