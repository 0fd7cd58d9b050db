// frmMain: the control panel's start window and hub, and the host of the panel's start.
#pragma once

#include <windows.h>

#include <optional>

#include "control_panel.h"
#include "control_panel_start.h"
#include "form.h"
#include "single_instance.h"

class MainWindow : private ControlPanelStartHost {
public:
    explicit MainWindow(ControlPanel& panel);

    // The start-up sequence; false when the program is to end (a box has said why).
    bool load();
    forms::Form& form() { return form_; }

private:
    bool createMainWindow() override;
    bool claimSingleInstance() override;
    bool bringRunningInstanceForward() override;
    void finishLayout() override;
    void setHourglass(bool on) override;
    void showError(const std::string& text) override;
    void brand(const ProgramConfig& config) override;
    bool fileExists(const std::string& path) override;
    void showSupportButton(SupportButton button) override;
    bool openDriver() override;
    void reportOpenFailure() override;
    void closeDriver() override;
    std::vector<basComPorts::PortDevice> portDevices() override;
    void showStatusLines(const StatusLines& lines) override;
    void connectEvents() override;
    void selectCalibrationMethod(int index) override;
    void place() override;
    void show() override;
    void openCalibration() override;
    void stepDone(const char* step) override;

    int layOutRows();  // the rows' controls; returns the twips the window loses
    void onCalibrationListClick();
    void onSupport();
    void onAbout();

    ControlPanel& panel_;
    forms::Form form_;
    int heightReduction_ = 0;
    std::optional<SingleInstance> instance_;
};
