#include "main_window.h"

#include "about_box.h"
#include "calibration_window.h"
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

bool MainWindow::load() {
    return RunControlPanelStart(*this, panel_.registry, panel_.driver, panel_) == PanelStart::Ready;
}

bool MainWindow::createMainWindow() {
    // the hidden mouse speed row and the closed gap set before the windows exist, so that each
    // is made once where it belongs instead of being moved
    form_.setCaption(kControlPanelTitle);
    forms::Control& version = form_["lblSystem"];
    version.setCaption(version.caption() + kVersionText);
    heightReduction_ = layOutRows();
    if (!form_.load()) return false;
    form_.setQuitsProgram(true);
    return true;
}

bool MainWindow::claimSingleInstance() {
    instance_.emplace("NXWLHCcp.ControlPanel.Instance");
    return !instance_->anotherRuns();
}

bool MainWindow::bringRunningInstanceForward() {
    return ::BringRunningInstanceForward(form_.hwnd(), form_.caption());
}

void MainWindow::finishLayout() {
    form_.resize(form_.width(), form_.height() - heightReduction_);
    form_.setKeyPreview(true);
}

void MainWindow::setHourglass(bool on) {
    forms::SetScreenPointer(on ? forms::Pointer::Hourglass : forms::Pointer::Default);
}

void MainWindow::showError(const std::string& text) {
    ShowErrorBox(text, form_.caption());
}

void MainWindow::brand(const ProgramConfig& config) {
    BrandMainWindow(form_, config, panel_.branding);
}

bool MainWindow::fileExists(const std::string& path) {
    return FileExists(path);
}

void MainWindow::showSupportButton(SupportButton button) {
    switch (button) {
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
}

bool MainWindow::openDriver() {
    return panel_.driver.OpenTouchDriver();
}

void MainWindow::reportOpenFailure() {
    ReportOpenFailure(form_.caption().c_str());
}

void MainWindow::closeDriver() {
    panel_.driver.CloseTouchDriver();
}

std::vector<basComPorts::PortDevice> MainWindow::portDevices() {
    return basComPorts::FetchPortDevices();
}

void MainWindow::showStatusLines(const StatusLines& lines) {
    form_["lblUsingDevice"].setCaption(lines.usingDevice);
    form_["lblSleepTime"].setCaption(lines.sleepTime);
    form_["lblVirtualButton"].setCaption(lines.virtualButton);
    form_["lblFeedbackSound"].setCaption(lines.feedbackSound);
    form_["lblMouseSpeed"].setCaption(lines.mouseSpeed);
}

void MainWindow::selectCalibrationMethod(int index) {
    forms::Control& list = form_["cboCalibration"];
    for (const char* method : kCalibrationMethods) list.addItem(method);
    list.setListIndex(index);
}

void MainWindow::place() {
    PlaceWindow(form_);
    CentreIcon(form_);
}

void MainWindow::show() {
    form_.show();
}

void MainWindow::openCalibration() {
    panel_.openOverMain(std::make_unique<CalibrationWindow>(panel_),
                        ControlPanel::Order::HideThenShow);
}

void MainWindow::stepDone(const char* step) {
    panel_.trace.mark(step);
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

void MainWindow::connectEvents() {
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
             [this](Event&) { StartSmiTool(panel_.config.programFolder); });
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
    panel_.openOverMain(std::make_unique<AboutBox>(form_, panel_.config, panel_.branding),
                        ControlPanel::Order::HideThenShow);
}
