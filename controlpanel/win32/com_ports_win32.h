// basComPorts on Windows: fetches the present "Ports" devices and keeps the control panel's
// port table; which device is which port is decided in com_ports.h.
#pragma once

#include <vector>

#include "com_ports.h"

namespace basComPorts {

// Every present device of the "Ports" class as the device installer and configuration manager
// describe it; empty when the device set cannot be opened.
std::vector<PortDevice> FetchPortDevices();

// Refills the port table; called once by the main window at start-up.
void EnumeratePorts();

// The port table: every entry absent until EnumeratePorts has run.
const PortTable& ComPortTable();

}  // namespace basComPorts
