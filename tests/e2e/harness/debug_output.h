// What programs tell a debugger (OutputDebugString), read the way a system-wide debug-output
// viewer reads it: no debugger attached, nothing asked of the programs.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace e2e {

// Starts listening for the rest of the run; false when another monitor already listens.
bool ListenToDebugOutput();

// The lines a process wrote since they were last taken (0: every process's), oldest first.
std::vector<std::string> TakeDebugOutput(DWORD process = 0);

}  // namespace e2e
