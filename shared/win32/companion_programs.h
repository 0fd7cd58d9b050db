// Starting the companion programs and sending them notifications through the driver.
#pragma once

#include <string>

#include "companions.h"
#include "driver_port.h"

// Each is true when the start succeeded (WinExec answered 32 or more).
bool StartRightButtonTool(const std::string& installPath);
bool StartSmiTool(const std::string& installPath);

// Sends the notification to a companion's window synchronously; a companion that hangs is
// given up on after kCompanionTimeoutMs.
void SendCompanionNotification(int32_t window, CompanionNotification notification);

// Asks the driver for the companion's window and, unless none is registered, sends it the
// notification.
void NotifyCompanion(DriverPort& driver, CompanionNotification notification);
