// What a user does with the hidden drawing test and what the tests read back: the control panel
// started afresh, the test opened with the gesture, the button modes the driver was sent.
#pragma once

#include <windows.h>

#include <memory>
#include <string>
#include <vector>

#include "desktop.h"
#include "e2e_test.h"
#include "input.h"
#include "program.h"
#include "sim_driver.h"
#include "wait.h"

namespace drawing_steps {

using namespace e2e;

const char kTitle[] = " TouchScreen Control Panel #NX-COM";
const char kCaption[] = "Test";

inline std::vector<std::string> ButtonModesSent(const SimDriver& driver) {
    std::vector<std::string> modes;
    for (const std::string& line : driver.log())
        if (line.rfind("IOCTL_SET_BUTTON_MODE ButtonMode=", 0) == 0)
            modes.push_back(line.substr(33, line.find(' ', 33) - 33));
    return modes;
}

struct Panel {
    SimDriver driver;
    std::unique_ptr<Program> program;
    HWND main = nullptr;

    Panel() {
        CloseLeftoverWindows(kTitle, 0);
        CloseLeftoverWindows(kCaption, 0);
        driver.reset();
        DriverBlock block = driver.block();
        block.ButtonMode = 2;
        driver.putBlock(block);
        program = std::make_unique<Program>("NXWLHCcp.exe");
        main = WaitForTopWindow(kTitle);
        driver.clearLog();
    }
    // The full gesture on cmdExit; the test's window once it shows.
    HWND openWithGesture() {
        HWND window = nullptr;
        PressUntil(
            FindControlByName(main, "cmdExit"),
            [&] { return (window = FindTopWindow(kCaption)) != nullptr; },
            kRightButton | kShift | kCtrl | kAlt, [&] { return driver.log().empty(); });
        return window;
    }

    ~Panel() {
        if (main && IsWindow(main)) PostMessageA(main, WM_CLOSE, 0, 0);
        if (program) program->waitForExit(5000);
        driver.reset();
    }
};

}  // namespace drawing_steps
