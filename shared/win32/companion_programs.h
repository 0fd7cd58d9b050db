// Starting the companion programs and sending them notifications through the driver.
#pragma once

#include <string>

#include "companions.h"
#include "driver_port.h"

// Each starts the program of the program folder (ProgramConfig::programFolder) and is true
// when the start succeeded.
bool StartRightButtonTool(const std::string& programFolder);
bool StartSmiTool(const std::string& programFolder);

// Whether a handle the driver returned names that companion's window in this session.
bool IsCompanionWindow(int32_t window, Companion companion);

// Sends the notification to a companion's window synchronously, unless the handle names no
// window of that companion; a companion that hangs is given up on after kCompanionTimeoutMs.
void SendCompanionNotification(int32_t window, CompanionNotification notification);

// Asks the driver for the companion's window and, unless none is registered, sends it the
// notification.
void NotifyCompanion(DriverPort& driver, CompanionNotification notification);
