#include "auto_scan_model.h"

namespace {

constexpr int kPortCount = 10;

}  // namespace

const std::vector<AutoScanDevice>& AutoScanDevices() {
    static const std::vector<AutoScanDevice> devices = {
        {0, "AUTO", true},
        {100, "NXCOM ( AUTO-BPS )", true},
        {104, "NXCOM ( 9600 BPS )", false},
        {106, "NXCOM ( 19200 BPS )", false},
        {108, "NXCOM ( 38400 BPS )", false},
        {400, "VTCOM ( AUTO-BPS )", true},
        {401, "VTCOM ( 1200 BPS )", false},
        {402, "VTCOM ( 2400 BPS )", false},
        {403, "VTCOM ( 4800 BPS )", false},
        {404, "VTCOM ( 9600 BPS )", false},
        {406, "VTCOM ( 19200 BPS )", false},
    };
    return devices;
}

std::vector<std::string> AutoScanPortItems() {
    std::vector<std::string> items{"AUTO"};
    for (int port = 1; port < kPortCount; ++port) items.push_back("COM" + std::to_string(port));
    return items;
}

std::string AutoScanDeviceItem(const AutoScanDevice& device) {
    return std::to_string(device.code) + " - " + device.label;
}

void AutoScanModel::load(uint32_t storedPort, uint32_t storedDevice) {
    storedPort_ = storedPort;
    storedDevice_ = storedDevice;
    int port = storedPort < uint32_t(kPortCount) ? int(storedPort) : 0;
    int device = 0;
    const std::vector<AutoScanDevice>& devices = AutoScanDevices();
    for (size_t i = 0; i < devices.size(); ++i) {
        if (uint32_t(devices[i].code) == storedDevice) {
            device = int(i);
            break;
        }
    }
    select(port, device);
}

void AutoScanModel::select(int portIndex, int deviceIndex) {
    const std::vector<AutoScanDevice>& devices = AutoScanDevices();
    port_ = portIndex >= 0 && portIndex < kPortCount ? portIndex : -1;
    device_ = deviceIndex >= 0 && deviceIndex < int(devices.size()) ? deviceIndex : -1;
    applyEnabled_ = false;
    if (port_ < 0 || device_ < 0) return;
    applyEnabled_ = selectedDevice() != storedDevice_ || uint32_t(port_) != storedPort_;
    bool detect = port_ == 0 || devices[size_t(device_)].automaticRate;
    modeText_ = detect ? kDetectModeText : kAssignModeText;
}

uint32_t AutoScanModel::selectedDevice() const {
    return device_ < 0 ? 0 : uint32_t(AutoScanDevices()[size_t(device_)].code);
}

void AutoScanModel::applied() {
    storedPort_ = selectedPort();
    storedDevice_ = selectedDevice();
    applyEnabled_ = false;
}
