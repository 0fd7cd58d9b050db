// frmFeedbackSound: when the driver beeps, the beep's tone and duration, and a test beep.
#include "feedback_sound_model.h"
#include "frm_feedback_sound.h"
#include "settings_dialogs.h"

using forms::Event;
using forms::EventType;

namespace {

class FeedbackSoundDialog final : public SettingsDialog {
public:
    explicit FeedbackSoundDialog(ControlPanel& panel)
        : SettingsDialog(panel, FeedbackSoundFormSpec(), "lblFeedbackSound"),
          model_(panel.block, panel.driver, panel.names) {}

private:
    SettingsDialogModel& model() override { return model_; }

    void load() override {
        on(EventType::Click, "optFeedbackSound",
           [this](Event& event) { model_.clickMode(event.index); });
        for (EventType type : {EventType::Change, EventType::Scroll}) {
            on(type, "hscTone", [this](Event&) { model_.toneMoved(form_["hscTone"].value()); });
            on(type, "hscDuration",
               [this](Event&) { model_.durationMoved(form_["hscDuration"].value()); });
        }
        // pressing and releasing the button beep once each
        on(EventType::MouseDown, "cmdSoundTest", [this](Event&) { model_.soundTest(); });
        on(EventType::MouseUp, "cmdSoundTest", [this](Event&) { model_.soundTest(); });
    }

    void render() override {
        for (int index = 1; index <= 4; ++index) {
            forms::Control& option = form_.item("optFeedbackSound", index);
            option.setCaption(model_.modeCaption(index));
            ShowChoice(option, model_.modeSelected(index));
        }
        ShowBar(form_["hscTone"], model_.tone());
        form_["lblTone"].setCaption(model_.toneLabel());
        ShowBar(form_["hscDuration"], model_.duration());
        form_["lblDuration"].setCaption(model_.durationLabel());
        form_["cmdSoundTest"].setEnabled(model_.soundTestEnabled());
    }

    FeedbackSoundModel model_;
};

}  // namespace

std::unique_ptr<ChildWindow> MakeFeedbackSoundDialog(ControlPanel& panel) {
    return std::make_unique<FeedbackSoundDialog>(panel);
}
