// The right-button tool's decisions and its traffic with the driver, without any window.
#pragma once

#include <stdint.h>

#include <string>

#include "companions.h"
#include "driver_port.h"
#include "driver_records.h"

constexpr char kRightButtonProgramTitle[] = " TouchScreen Right-Button #NX-COM";
constexpr const char* kRightButtonCaption = kRightButtonToolCaption;

// Between two looks at the armed flag the tool sleeps this long unless a message arrives:
// an unpaused poll keeps most of a core busy under Wine.
constexpr unsigned kArmedPollMs = 10;

enum class ToolCommand { Hide, Show, Quit, Unknown };
ToolCommand CommandFor(uintptr_t wParam);

// "RBF_WndProc Fail! wParam=1002h, lParam=0h"
std::string UnknownCommandText(uintptr_t wParam, intptr_t lParam);

enum class StartDecision { Register, HandOver };
// A registration whose window is gone, or is not a tool of ours in this session, was left by a
// tool that died or by another program: take it over.
StartDecision DecideStart(int32_t registeredHandle, bool registeredWindowIsOurTool);

// The tool's one WindowRecord and the requests it sends with it.
class RightButtonRegistration {
public:
    RightButtonRegistration(DriverPort& driver, int32_t ownHandle);

    // The registered handle as the driver holds it, -1 when none.
    int32_t query();
    void registerIdle();
    void arm();
    void disarm();
    bool stillArmed();  // asks the driver; false once it produced the right click
    void unregister();

private:
    void set(int32_t handle, int16_t armed);

    DriverPort& driver_;
    int32_t ownHandle_;
    WindowRecord record_;
};
