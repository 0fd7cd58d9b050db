// What a user does with the hidden drawing test and what the tests read back: the control panel
// started afresh, the test opened with the gesture, the button modes the driver was sent.
#pragma once

#include <windows.h>

#include <cstdlib>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "desktop.h"
#include "program.h"
#include "sim_driver.h"
#include "wait.h"

namespace drawing_steps {

using namespace e2e;

const char kTitle[] = " TouchScreen Control Panel #NX-COM";
const char kCaption[] = "Test";

// Under Wine the pointer sometimes jumps back to where X last saw it as a window maps, and a
// press lands beside its target: a press that changed nothing is given again.
inline bool PressUntil(HWND control, const std::function<bool()>& done) {
    for (int attempt = 0; attempt < 3 && control; ++attempt) {
        Click(control);
        if (WaitUntil(done)) return true;
    }
    return false;
}

inline std::vector<std::string> ButtonModesSent(const SimDriver& driver) {
    std::vector<std::string> modes;
    for (const std::string& line : driver.log())
        if (line.rfind("IOCTL_SET_BUTTON_MODE ButtonMode=", 0) == 0)
            modes.push_back(line.substr(33, line.find(' ', 33) - 33));
    return modes;
}

inline bool IsColour(COLORREF shown, COLORREF wanted) {
    return std::abs(GetRValue(shown) - GetRValue(wanted)) < 24 &&
           std::abs(GetGValue(shown) - GetGValue(wanted)) < 24 &&
           std::abs(GetBValue(shown) - GetBValue(wanted)) < 24;
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
        HWND exit = FindControlByName(main, "cmdExit");
        ClickWithKeys(exit, true, true, true, true);
        HWND window = WaitForTopWindow(kCaption, 3000);
        // under Wine the first click after the prefix has booted can be lost on its way
        if (!window && IsWindowVisible(main) && driver.log().empty()) {
            ClickWithKeys(exit, true, true, true, true);
            window = WaitForTopWindow(kCaption);
        }
        return window;
    }

    ~Panel() {
        if (main && IsWindow(main)) PostMessageA(main, WM_CLOSE, 0, 0);
        if (program) program->waitForExit(5000);
        driver.reset();
    }
};

}  // namespace drawing_steps
