// The physical size of the monitor the full-screen windows cover, as the monitor itself tells it.
#pragma once

#include <optional>

#include "monitor_edid.h"

// The primary monitor's size from the EDID Windows keeps for it; none when Windows holds none
// (a monitor without one, a remote session, a virtual display).
std::optional<PhysicalSize> PrimaryMonitorPhysicalSize();
