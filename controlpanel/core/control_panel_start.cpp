#include "control_panel_start.h"

#include <cctype>

#include "driver_requests.h"
#include "shared_texts.h"
#include "trusted_folder.h"

namespace {

SupportButton ChooseSupportButton(ControlPanelStartHost& host, ControlPanelState& state) {
    const std::string& folder = state.config.programFolder;
    std::string cutFile = FileInFolder(folder, "NXVender.Cut");
    bool cut = !cutFile.empty() && host.fileExists(cutFile);
    if (!cut) state.vendorBitmapPath = FileInFolder(folder, "NXVender.Bmp");
    return DecideSupportButton(
        cut, !cut && !state.vendorBitmapPath.empty() && host.fileExists(state.vendorBitmapPath));
}

}  // namespace

bool IsCalibrateSwitch(const std::string& arguments) {
    std::string upper = arguments;
    for (char& c : upper) c = char(std::toupper(static_cast<unsigned char>(c)));
    return upper == "/CALIBRATE";
}

PanelStart RunControlPanelStart(ControlPanelStartHost& host, RegistryApi& registry,
                                DriverPort& driver, ControlPanelState& state) {
    if (!host.createMainWindow()) return PanelStart::WindowFailed;
    host.stepDone("window and controls created");
    if (!host.claimSingleInstance()) {
        if (!host.bringRunningInstanceForward()) host.showError(kAlreadyRunningText);
        return PanelStart::AlreadyRunning;
    }
    host.finishLayout();
    host.stepDone("single instance, window height");

    host.setHourglass(true);
    bool installed = LoadInstallInfo(registry, state.config);
    host.setHourglass(false);
    if (!installed) {
        host.showError(kRegisterFileFailText);
        return PanelStart::InstallInfoMissing;
    }
    host.stepDone("installation facts (registry)");
    host.brand(state.config);
    host.showSupportButton(ChooseSupportButton(host, state));
    host.stepDone("branding: fonts, pictures, files");

    host.setHourglass(true);
    FillNameTables(state.names);
    if (!host.openDriver()) {
        host.setHourglass(false);
        host.reportOpenFailure();
        return PanelStart::DriverMissing;
    }
    host.stepDone("driver opened");
    state.ports = basComPorts::BuildPortTable(host.portDevices());
    host.stepDone("serial port walk");
    for (ComResourceRecord record : state.ports)
        if (record.ComNumber > 0) driver.transact(IOCTL_SET_COM_RESOURCES, record);
    driver.transact(IOCTL_READ_SETTINGS, state.block);
    host.stepDone("driver requests: resources, settings");
    if (state.block.ComPort == 0) {
        host.setHourglass(false);
        host.closeDriver();
        host.showError(kControllerNotFoundText);
        return PanelStart::ControllerMissing;
    }

    host.showStatusLines(StatusLinesOf(state.names, state.block));
    host.connectEvents();
    if (!LoadCalibrationMode(registry, state.config)) state.config.calibrationMode = 1;
    host.selectCalibrationMethod(
        CalibrationListIndex(int32_t(state.config.calibrationMode), kCalibrationMethodCount));
    host.stepDone("status lines, calibration method (registry)");
    host.place();
    host.setHourglass(false);
    if (state.calibrateOnly)
        host.openCalibration();
    else
        host.show();
    return PanelStart::Ready;
}
