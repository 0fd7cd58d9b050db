// The main window's ways into the calibration window and the drawing test.
#pragma once

#include "control_panel.h"
#include "form.h"

// cmdCalibration opens the calibration; cmdTest, and a right press on cmdExit with Shift, Ctrl
// and Alt held, open the drawing test.
void BindCalibrationWindows(ControlPanel& panel, forms::Form& main);
