#pragma once

// Start-up time of the control panel against the minimal window, side by side.
int StartupBench(int rounds);
