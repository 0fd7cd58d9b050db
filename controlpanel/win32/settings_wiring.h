// The main window's buttons that open the settings dialogs.
#pragma once

#include "control_panel.h"
#include "form.h"

// cmdVirtualButton, cmdFeedbackSound, cmdMouseSpeed (reached by Alt+M) and cmdSleepTime.
void BindSettingsDialogs(ControlPanel& panel, forms::Form& main);
