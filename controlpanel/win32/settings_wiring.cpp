#include "settings_wiring.h"

#include "settings_dialogs.h"

using forms::Event;
using forms::EventType;

void BindSettingsDialogs(ControlPanel& panel, forms::Form& main) {
    const struct {
        const char* button;
        std::unique_ptr<ChildWindow> (*make)(ControlPanel&);
    } dialogs[] = {{"cmdVirtualButton", MakeVirtualButtonDialog},
                   {"cmdFeedbackSound", MakeFeedbackSoundDialog},
                   {"cmdMouseSpeed", MakeMouseSpeedDialog},
                   {"cmdSleepTime", MakeSleepTimeDialog}};
    for (const auto& dialog : dialogs) {
        auto make = dialog.make;
        main.on(EventType::Click, dialog.button,
                [&panel, make](Event&) { panel.openOverMain(make(panel)); });
    }
}
