// The control panel's start from its main window's creation to the window shown: one instance,
// the installation facts, branding, the support button, the driver, the serial ports' resources,
// the controller check, the status lines and the calibration method.
#pragma once

#include <string>
#include <vector>

#include "com_ports.h"
#include "control_panel_state.h"
#include "driver_port.h"
#include "main_window_model.h"
#include "registry_api.h"

// What the start asks of Windows and of the main window besides the registry and the driver's
// requests.
class ControlPanelStartHost {
public:
    virtual ~ControlPanelStartHost() = default;

    // The main window made with its title, version line and the hidden mouse speed row.
    virtual bool createMainWindow() = 0;
    // False when another instance of the program holds the claim.
    virtual bool claimSingleInstance() = 0;
    // The running instance's window brought to the front; false when none bears the caption.
    virtual bool bringRunningInstanceForward() = 0;
    // The window one row shorter and its key preview on.
    virtual void finishLayout() = 0;

    virtual void setHourglass(bool on) = 0;
    // The error box titled with the main window's caption.
    virtual void showError(const std::string& text) = 0;

    virtual void brand(const ProgramConfig& config) = 0;
    // True when the file can be opened for reading.
    virtual bool fileExists(const std::string& path) = 0;
    virtual void showSupportButton(SupportButton button) = 0;

    virtual bool openDriver() = 0;
    virtual void reportOpenFailure() = 0;  // "Fail to open NXWLHCOM.sys!"
    virtual void closeDriver() = 0;
    // Every present device of the "Ports" class.
    virtual std::vector<basComPorts::PortDevice> portDevices() = 0;

    virtual void showStatusLines(const StatusLines& lines) = 0;
    // The window's events bound: from here on the method list's selection runs its click.
    virtual void connectEvents() = 0;
    // The method list filled and one entry selected; its click writes the method back.
    virtual void selectCalibrationMethod(int index) = 0;
    virtual void place() = 0;
    virtual void show() = 0;
    // The calibration opened over the main window, which stays hidden.
    virtual void openCalibration() = 0;

    // The end of a step of the start, for the start-up trace; the name is a literal.
    virtual void stepDone(const char* step) = 0;
};

enum class PanelStart {
    Ready,
    WindowFailed,
    AlreadyRunning,  // the running instance was brought forward, or a box said it runs
    InstallInfoMissing,
    DriverMissing,
    ControllerMissing,  // the driver was closed again
};

// "/CALIBRATE": the whole argument line, in any case.
bool IsCalibrateSwitch(const std::string& arguments);

PanelStart RunControlPanelStart(ControlPanelStartHost& host, RegistryApi& registry,
                                DriverPort& driver, ControlPanelState& state);
