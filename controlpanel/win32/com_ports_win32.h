// basComPorts on Windows: fetches the present "Ports" devices; which device is which port is
// decided in com_ports.h, and the port table is the control panel's state.
#pragma once

#include <vector>

#include "com_ports.h"

namespace basComPorts {

// Every present device of the "Ports" class as the device installer and configuration manager
// describe it; empty when the device set cannot be opened.
std::vector<PortDevice> FetchPortDevices();

}  // namespace basComPorts
