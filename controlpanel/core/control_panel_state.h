// The control panel's program-wide state that its windows share: the installation facts, the
// name tables, the program's DriverBlock, the vendor bitmap and the port table.
#pragma once

#include <string>

#include "com_ports.h"
#include "config_store.h"
#include "driver_records.h"
#include "name_tables.h"

struct ControlPanelState {
    ProgramConfig config;
    NameTables names;
    DriverBlock block{};
    std::string vendorBitmapPath;  // empty when "NXVender.Cut" takes the support button away
    basComPorts::PortTable ports = basComPorts::EmptyPortTable();  // filled once at start
    bool calibrateOnly = false;  // started with /CALIBRATE: the calibration without the main window
};
