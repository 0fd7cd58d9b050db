// The program's message loop and the waits that keep windows responsive without spinning.
#pragma once

namespace forms {

// Runs until WM_QUIT; returns its exit code.
int RunMessageLoop();

// Handles every pending message, as the loops that wait for the driver must between requests.
// False once WM_QUIT was seen (it is posted again for the outer loop).
bool DoEvents();

// Sleeps until a message arrives or the time is up, then handles what came. Never spins.
bool WaitForEvents(unsigned milliseconds);

// A pause of whole milliseconds on a monotonic clock during which windows keep working.
void PauseWithEvents(unsigned milliseconds);

}  // namespace forms
