// Starting the companion programs and sending them notifications through the driver.
#pragma once

#include <string>

#include "companions.h"
#include "driver_channel.h"

// Each is true when the start succeeded (WinExec answered 32 or more).
bool StartRightButtonTool(const std::string& installPath);
bool StartSmiTool(const std::string& installPath);

// Asks the driver for the companion's window and, unless it is -1, sends it the notification
// synchronously; a companion that hangs is given up on after kCompanionTimeoutMs.
void NotifyCompanion(DriverChannel& channel, CompanionNotification notification);
