#include "main_window.h"

#include "about_box.h"
#include "calibration_wiring.h"
#include "com_ports_win32.h"
#include "companion_programs.h"
#include "frm_main.h"
#include "information_dialogs.h"
#include "main_window_model.h"
#include "message_boxes.h"
#include "serial_port_view.h"
#include "settings_wiring.h"
#include "title_band.h"
#include "window_helpers.h"

using forms::Event;
using forms::EventType;

MainWindow::MainWindow(ControlPanel& panel) : panel_(panel), form_(MainFormSpec()) {
    panel_.main = &form_;
}

MainWindow::~MainWindow() {
    if (instanceMutex_) CloseHandle(instanceMutex_);
}

bool MainWindow::isSecondInstance() {
    instanceMutex_ = CreateMutexA(nullptr, FALSE, "NXWLHCcp.ControlPanel.Instance");
    return instanceMutex_ != nullptr && GetLastError() == ERROR_ALREADY_EXISTS;
}

bool MainWindow::load() {
    // 1. title and version line; 3.-4. the hidden mouse speed row and the closed gap: set before
    // the windows exist, so that each is made once where it belongs instead of being moved
    form_.setCaption(kControlPanelTitle);
    forms::Control& version = form_["lblSystem"];
    version.setCaption(version.caption() + kVersionText);
    int heightReduction = layOutRows();
    if (!form_.load()) return false;
    panel_.trace.mark("window and controls created");
    form_.setQuitsProgram(true);
    // 2. one instance only
    SetLastError(0);
    if (isSecondInstance()) {
        HWND running = FindRunningWindow(form_.hwnd(), form_.caption());
        if (running) {
            SetForegroundWindow(running);
            BringWindowToTop(running);
        } else {
            ShowErrorBox(
                "Application is running!\r\rPlease find and select the running window from Taskbar.",
                form_.caption());
        }
        return false;
    }
    // 4. the window itself one row shorter; 5. key preview
    form_.resize(form_.width(), form_.height() - heightReduction);
    form_.setKeyPreview(true);
    panel_.trace.mark("single instance, window height");
    // 6. installation facts
    forms::SetScreenPointer(forms::Pointer::Hourglass);
    bool installed = LoadInstallInfo(panel_.registry, panel_.config);
    forms::SetScreenPointer(forms::Pointer::Default);
    if (!installed) {
        ShowErrorBox("Fail to load data from Register File!", form_.caption());
        return false;
    }
    panel_.trace.mark("installation facts (registry)");
    // 7. branding; 8. the support button
    BrandMainWindow(form_, panel_.config, panel_.branding);
    const std::string& install = panel_.config.installPath;
    bool cut = FileExists(install + "\\NXVender.Cut");
    if (!cut) panel_.vendorBitmapPath = install + "\\NXVender.Bmp";
    switch (DecideSupportButton(cut, !cut && FileExists(panel_.vendorBitmapPath))) {
        case SupportButton::Blank:
            form_["cmdSupport"].setCaption("");
            form_["cmdSupport"].setEnabled(false);
            break;
        case SupportButton::About:
            form_["cmdSupport"].setCaption("&About");
            break;
        case SupportButton::Support:
            break;
    }
    panel_.trace.mark("branding: fonts, pictures, files");
    // 9. name tables
    forms::SetScreenPointer(forms::Pointer::Hourglass);
    FillNameTables(panel_.names);
    // 10. the driver
    if (!panel_.driver.OpenTouchDriver()) {
        forms::SetScreenPointer(forms::Pointer::Default);
        ReportOpenFailure(form_.caption().c_str());
        return false;
    }
    panel_.trace.mark("driver opened");
    // 11. the serial ports' resources
    basComPorts::EnumeratePorts();
    panel_.trace.mark("serial port walk");
    for (ComResourceRecord record : basComPorts::ComPortTable())
        if (record.ComNumber > 0) panel_.driver.SetComResources(record);
    // 12. the settings
    panel_.driver.ReadSettings(panel_.block);
    panel_.trace.mark("driver requests: resources, settings");
    if (panel_.block.ComPort == 0) {
        forms::SetScreenPointer(forms::Pointer::Default);
        panel_.driver.CloseTouchDriver();
        ShowErrorBox("TouchScreen Controller Not Found!", form_.caption());
        return false;
    }
    // 13.-15. status lines and the calibration method
    fillStatusLines();
    bindEvents();
    fillCalibrationList();
    panel_.trace.mark("status lines, calibration method (registry)");
    // 16. placement
    PlaceWindow(form_);
    CentreIcon(form_);
    forms::SetScreenPointer(forms::Pointer::Default);
    form_.show();
    return true;
}

int MainWindow::layOutRows() {
    form_["cmdMouseSpeed"].setEnabled(false);
    form_["cmdMouseSpeed"].setVisible(false);
    form_["shpMouseSpeed"].setVisible(false);
    form_["lblMouseSpeed"].setEnabled(false);
    form_["lblMouseSpeed"].setVisible(false);
    ClosedGap gap = CloseGap({form_["cmdMouseSpeed"].top(), form_["shpMouseSpeed"].top(),
                              form_["lblMouseSpeed"].top(), form_["cmdSleepTime"].top(),
                              form_["cmdCalibration"].top(), form_["shpCalibration"].top()});
    for (const char* name : {"cmdCalibration", "shpCalibration", "cmdSupport", "cmdExit"})
        form_[name].setTop(gap.bottomRow);
    form_["cboCalibration"].setTop(gap.calibrationList);
    form_["cmdSleepTime"].setTop(gap.sleepTimeButton);
    form_["shpSleepTime"].setTop(gap.sleepTimeShape);
    form_["lblSleepTime"].setTop(gap.sleepTimeLabel);
    return gap.heightReduction;
}

void MainWindow::fillStatusLines() {
    StatusLines lines = StatusLinesOf(panel_.names, panel_.block);
    form_["lblUsingDevice"].setCaption(lines.usingDevice);
    form_["lblSleepTime"].setCaption(lines.sleepTime);
    form_["lblVirtualButton"].setCaption(lines.virtualButton);
    form_["lblFeedbackSound"].setCaption(lines.feedbackSound);
    form_["lblMouseSpeed"].setCaption(lines.mouseSpeed);
}

void MainWindow::fillCalibrationList() {
    if (!LoadCalibrationMode(panel_.registry, panel_.config)) panel_.config.calibrationMode = 1;
    forms::Control& list = form_["cboCalibration"];
    list.addItem(" 4 points, mode 1");
    list.addItem(" 4 points, mode 2");
    // selecting raises the list's click, which writes the method back at every start
    list.setListIndex(
        CalibrationListIndex(int32_t(panel_.config.calibrationMode), list.listCount()));
}

void MainWindow::bindEvents() {
    form_.on(EventType::Click, "cboCalibration", [this](Event&) { onCalibrationListClick(); });
    form_.on(EventType::Click, "cmdSupport", [this](Event&) { onSupport(); });
    form_.on(EventType::DblClick, "imgIcon", [this](Event&) { onAbout(); });
    form_.on(EventType::Click, "cmdExit", [this](Event&) { form_.unload(); });
    form_.on(EventType::MouseDown, "cmdSerialPort", [this](Event& event) {
        if (IsHiddenGesture(event.button, event.shift))
            panel_.openOverMain(std::make_unique<McuInfoBox>(panel_));
    });
    form_.on(EventType::KeyDown, [this](Event& event) {
        if (!IsMouseSpeedKey(event.key, event.shift)) return;
        event.key = 0;
        form_.raise(EventType::Click, "cmdMouseSpeed");
    });
    form_.on(EventType::Click, "cmdSMIon",
             [this](Event&) { StartSmiTool(panel_.config.installPath); });
    form_.on(EventType::Click, "cmdSMIoff",
             [this](Event&) { NotifyCompanion(panel_.driver, NOTIFY_SMI_QUIT); });
    form_.on(EventType::Unload, [this](Event&) { panel_.driver.CloseTouchDriver(); });
    BindSerialPortView(panel_, form_);
    BindSettingsDialogs(panel_, form_);
    BindCalibrationWindows(panel_, form_);
}

void MainWindow::onCalibrationListClick() {
    panel_.config.calibrationMode = uint32_t(form_["cboCalibration"].listIndex());
    SaveCalibrationMode(panel_.registry, panel_.config);
}

void MainWindow::onSupport() {
    if (FileExists(panel_.vendorBitmapPath)) {
        panel_.openOverMain(std::make_unique<SupportBox>(panel_),
                            ControlPanel::Order::HideThenShow);
    } else {
        onAbout();
    }
}

void MainWindow::onAbout() {
    panel_.openOverMain(
        std::make_unique<AboutBox>(form_, panel_.config, panel_.branding),
        ControlPanel::Order::HideThenShow);
}
