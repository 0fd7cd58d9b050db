#pragma once

#include <string>
#include <vector>

// Start-up time of the control panel against the minimal window, side by side.
int StartupBench(int rounds);
// Builds of the control panel (paths) against the minimal window, alternated in one run.
int PanelBuildsBench(int rounds, const std::vector<std::string>& builds);
