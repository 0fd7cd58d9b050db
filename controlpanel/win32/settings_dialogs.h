// The control panel's four settings dialogs, each opened over the hidden main window.
#pragma once

#include <memory>

#include "control_panel.h"
#include "settings_dialog.h"

std::unique_ptr<ChildWindow> MakeVirtualButtonDialog(ControlPanel& panel);
std::unique_ptr<ChildWindow> MakeFeedbackSoundDialog(ControlPanel& panel);
std::unique_ptr<ChildWindow> MakeMouseSpeedDialog(ControlPanel& panel);
std::unique_ptr<ChildWindow> MakeSleepTimeDialog(ControlPanel& panel);
