// The companion programs and the handles the driver keeps for them.
#pragma once

#include <stdint.h>

#include <string>

#include "driver_port.h"
#include "driver_records.h"

enum CompanionNotification : uint32_t {
    NOTIFY_RB_HIDE = 0x1000,
    NOTIFY_RB_SHOW = 0x1001,
    NOTIFY_RB_QUIT = 0x100E,
    NOTIFY_SMI_QUIT = 0x200E,
};

constexpr char kRightButtonToolFile[] = "NXWLHCrb.exe";
constexpr char kSmiToolFile[] = "NXWLHCvr.exe";

// Every window of our programs is of this class; the right-button tool's carries this caption.
constexpr char kFormWindowClass[] = "NXForm";
constexpr char kRightButtonToolCaption[] = " C-RBF";

// A sent notification waits this long for a companion that stopped answering.
constexpr unsigned kCompanionTimeoutMs = 5000;

// Window handles travel as 32 bits: truncated when stored, sign-extended when read back.
constexpr int32_t DriverHandleFromWindow(uintptr_t window) {
    return int32_t(uint32_t(window));
}
constexpr uintptr_t WindowFromDriverHandle(int32_t handle) {
    return uintptr_t(intptr_t(handle));
}

// The command line that starts a program of the program folder; the path is quoted so a folder
// with spaces cannot start another program ("C:\Program.exe"). Empty without a folder.
std::string ProgramCommandLine(const std::string& folder, const char* file);

// The window the driver holds for the companion a notification is meant for; kNoWindow when
// none is registered (or the request failed).
int32_t CompanionWindow(DriverPort& driver, CompanionNotification notification);

enum class Companion { RightButtonTool, SmiTool };
Companion CompanionOf(CompanionNotification notification);

// What Windows tells of the window behind a handle the driver returned.
struct WindowFacts {
    bool exists = false;
    std::string className;
    std::string caption;
    std::string programFile;  // the file name of the program that made it, without its folder
    uint32_t windowSession = 0;
    uint32_t ownSession = 0;
};

// The driver keeps one handle for the whole machine: after a log-off, or from another session,
// it can name any program's window, which must then be neither trusted nor sent our codes.
bool CompanionWindowAccepted(Companion companion, const WindowFacts& facts);
