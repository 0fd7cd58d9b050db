// Stopping and starting the simulated driver's service, for what programs do without it.
#pragma once

namespace e2e {

// True once the control device is gone (or back).
bool StopDriverService();
bool StartDriverService();

}  // namespace e2e
