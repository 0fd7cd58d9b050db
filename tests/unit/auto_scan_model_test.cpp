#include <gtest/gtest.h>

#include "auto_scan_model.h"

namespace {

int DevicePosition(int32_t code) {
    const std::vector<AutoScanDevice>& devices = AutoScanDevices();
    for (size_t i = 0; i < devices.size(); ++i)
        if (devices[i].code == code) return int(i);
    return -1;
}

}  // namespace

TEST(AutoScanLists, PortsAndDevicesReadAsDesigned) {
    std::vector<std::string> ports = AutoScanPortItems();
    ASSERT_EQ(ports.size(), 10u);
    EXPECT_EQ(ports[0], "AUTO");
    EXPECT_EQ(ports[1], "COM1");
    EXPECT_EQ(ports[9], "COM9");
    const std::vector<AutoScanDevice>& devices = AutoScanDevices();
    ASSERT_EQ(devices.size(), 11u);
    EXPECT_EQ(AutoScanDeviceItem(devices[0]), "0 - AUTO");
    EXPECT_EQ(AutoScanDeviceItem(devices[2]), "104 - NXCOM ( 9600 BPS )");
    EXPECT_EQ(AutoScanDeviceItem(devices[10]), "406 - VTCOM ( 19200 BPS )");
    for (const AutoScanDevice& device : devices)
        EXPECT_EQ(device.automaticRate, device.code % 10 == 0) << device.code;
}

TEST(AutoScanWindow, OpensOnTheStoredChoiceWithApplyOff) {
    AutoScanModel model;
    model.load(5, 104);
    EXPECT_EQ(model.portIndex(), 5);
    EXPECT_EQ(model.deviceIndex(), 2);
    EXPECT_EQ(model.modeText(), "Assign Mode");
    EXPECT_FALSE(model.applyEnabled());

    AutoScanModel missing;
    missing.load(0, 0);
    EXPECT_EQ(missing.portIndex(), 0);
    EXPECT_EQ(missing.deviceIndex(), 0);
    EXPECT_EQ(missing.modeText(), "Detect Mode");
    EXPECT_FALSE(missing.applyEnabled());
}

TEST(AutoScanWindow, AFixedPortWithAFixedRateIsAssignModeEverythingElseDetects) {
    AutoScanModel model;
    model.load(0, 0);
    model.select(3, DevicePosition(406));
    EXPECT_EQ(model.modeText(), "Assign Mode");
    model.select(3, DevicePosition(400));
    EXPECT_EQ(model.modeText(), "Detect Mode");
    for (const AutoScanDevice& device : AutoScanDevices()) {
        model.select(0, DevicePosition(device.code));
        EXPECT_EQ(model.modeText(), "Detect Mode") << "port AUTO with " << device.code;
    }
}

TEST(AutoScanWindow, ApplyFollowsEveryChangeAndGoesOffOnTheStoredChoice) {
    AutoScanModel model;
    model.load(2, 401);
    model.select(2, DevicePosition(402));
    EXPECT_TRUE(model.applyEnabled());
    model.select(4, DevicePosition(401));
    EXPECT_TRUE(model.applyEnabled());
    model.select(2, DevicePosition(401));
    EXPECT_FALSE(model.applyEnabled());

    model.select(7, DevicePosition(108));
    EXPECT_EQ(model.selectedPort(), 7u);
    EXPECT_EQ(model.selectedDevice(), 108u);
    model.applied();
    EXPECT_FALSE(model.applyEnabled());
    model.select(2, DevicePosition(401));
    EXPECT_TRUE(model.applyEnabled()) << "the applied choice is the stored one now";
}

TEST(AutoScanWindow, AStoredChoiceOutsideTheListsFallsBackToAutoWithApplyOn) {
    AutoScanModel unknownDevice;
    unknownDevice.load(3, 105);
    EXPECT_EQ(unknownDevice.deviceIndex(), 0);
    EXPECT_TRUE(unknownDevice.applyEnabled());
    EXPECT_EQ(unknownDevice.modeText(), "Detect Mode");

    AutoScanModel unknownPort;
    unknownPort.load(12, 104);
    EXPECT_EQ(unknownPort.portIndex(), 0);
    EXPECT_TRUE(unknownPort.applyEnabled());
    unknownPort.load(0xFFFFFFFF, 104);
    EXPECT_EQ(unknownPort.portIndex(), 0);
}

TEST(AutoScanWindow, WithoutASelectionApplyIsOffAndTheModeStays) {
    AutoScanModel model;
    model.load(0, 0);
    model.select(3, DevicePosition(406));
    model.select(3, -1);
    EXPECT_FALSE(model.applyEnabled());
    EXPECT_EQ(model.modeText(), "Assign Mode") << "the evaluation stopped before the mode";
}
