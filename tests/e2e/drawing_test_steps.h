// What a user does with the hidden drawing test and what the tests read back: the control panel
// started afresh, the test opened with the gesture, the button modes the driver was sent.
#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "control_panel_steps.h"
#include "desktop.h"
#include "e2e_test.h"
#include "input.h"
#include "program.h"
#include "sim_driver.h"
#include "wait.h"

namespace drawing_steps {

using namespace panel_steps;

const char kCaption[] = "Test";

inline std::vector<std::string> ButtonModesSent(const SimDriver& driver) {
    std::vector<std::string> modes;
    for (const std::string& line : driver.log())
        if (line.rfind("IOCTL_SET_BUTTON_MODE ButtonMode=", 0) == 0)
            modes.push_back(line.substr(33, line.find(' ', 33) - 33));
    return modes;
}

// The user's own touch mode, which the drawing test must give back.
inline void UserButtonMode(DriverBlock& block) {
    block.ButtonMode = 2;
}

class DrawingSteps : public ControlPanelTest {
protected:
    // The full gesture on cmdExit; the test's window once it shows.
    HWND OpenWithGesture() {
        HWND window = nullptr;
        PressUntil(
            FindControlByName(main, "cmdExit"),
            [&] { return (window = FindTopWindow(kCaption)) != nullptr; },
            kRightButton | kShift | kCtrl | kAlt, [&] { return driver.log().empty(); });
        return window;
    }
};

}  // namespace drawing_steps
