// frmSerialPort's decisions: the nine rows of the device detection view, built from the driver's
// view of the ports, the port table Windows filled and the port the controller was found on.
#pragma once

#include <stdint.h>

#include <array>
#include <string>

#include "com_ports.h"
#include "driver_records.h"

constexpr uint32_t kPortRowGrey = 0x808080;
constexpr uint32_t kPortRowBlack = 0x000000;

struct SerialPortRow {
    std::string portText;    // lblCOM
    std::string deviceText;  // lblDEVICE: "*" and the protocol family on the detected row
    uint32_t colour;         // both labels of the row
    bool detected;           // optDetected: enabled and selected on this row only
};

// Row n-1 is COMn.
using SerialPortRows = std::array<SerialPortRow, basComPorts::kPortCount>;

// The driver's texts first; every port Windows reported shows Windows' resources instead;
// then the controller's port (ComPort 1 to 9) is marked.
SerialPortRows SerialPortRowsOf(const DriverBlock& block, const basComPorts::PortTable& table);

// Alt+S, with no other modifier, stands in for the view's hidden "&Setup" button.
bool IsSetupKey(int virtualKey, int shift);
