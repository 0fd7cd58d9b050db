// Texts of the simulated driver's service tool: DriverBlock fields as Name=value, field
// assignments, log lines and the window registrations.
#pragma once

#include <string>
#include <vector>

#include "sim_protocol.h"

// Every DriverBlock field as Name=value, one a line, in block order.
std::vector<std::string> StatusLines(const DriverBlock& block);

// Sets one field from "Name=value". Decimal values (a leading '-' for the 16-bit fields,
// "0x" for hexadecimal); McuCode takes eight hexadecimal digits, its bytes in block order.
// Returns false with a reason, leaving the block as it was.
bool AssignField(DriverBlock& block, const std::string& assignment, std::string& error);

// One log entry: the request's name, then the fields it carried as Name=value.
std::string LogLine(const SimLogEntry& entry);

// "RB=<handle> armed=<flag>" and "SMI=<handle> rotation=<code>".
std::vector<std::string> WindowLines(const SimWindows& windows);

// The records the driver kept: calibration state, sound tests, port resources.
std::vector<std::string> StateLines(const SimState& state);
