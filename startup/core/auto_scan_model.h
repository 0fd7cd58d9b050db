// The automatic scan configuration window's decisions: the port and device lists, the mode
// the choice amounts to, when Apply is offered and what it stores.
#pragma once

#include <stdint.h>

#include <string>
#include <vector>

struct AutoScanDevice {
    int32_t code;  // hundreds digit: protocol family; last digit: bit rate (0 automatic)
    const char* label;
    bool automaticRate;
};

const std::vector<AutoScanDevice>& AutoScanDevices();

// "AUTO", "COM1" ... "COM9"
std::vector<std::string> AutoScanPortItems();
// "104 - NXCOM ( 9600 BPS )"
std::string AutoScanDeviceItem(const AutoScanDevice& device);

constexpr char kDetectModeText[] = "Detect Mode";
constexpr char kAssignModeText[] = "Assign Mode";

class AutoScanModel {
public:
    // The stored values; a port beyond the list or a device code not in the table selects
    // "AUTO" (position 0) in its list.
    void load(uint32_t storedPort, uint32_t storedDevice);
    int portIndex() const { return port_; }
    int deviceIndex() const { return device_; }

    // A selection change in either list; -1 is no selection.
    void select(int portIndex, int deviceIndex);

    bool applyEnabled() const { return applyEnabled_; }
    const std::string& modeText() const { return modeText_; }

    // The values Apply stores; afterwards the selection is the stored one.
    uint32_t selectedPort() const { return port_ < 0 ? 0 : uint32_t(port_); }
    uint32_t selectedDevice() const;
    void applied();

private:
    uint32_t storedPort_ = 0;
    uint32_t storedDevice_ = 0;
    int port_ = -1;
    int device_ = -1;
    bool applyEnabled_ = false;
    std::string modeText_ = kDetectModeText;
};
