#include "auto_scan_window.h"

#include "frm_auto_scan.h"
#include "startup_texts.h"
#include "title_band.h"
#include "window_helpers.h"

using forms::Event;
using forms::EventType;

AutoScanWindow::AutoScanWindow(StartupProgram& program)
    : program_(program), form_(AutoScanFormSpec()) {}

bool AutoScanWindow::load() {
    if (!form_.load()) return false;
    form_.setCaption(kStartupProgramTitle);
    forms::Control& version = form_["lblSystem"];
    version.setCaption(version.caption() + kVersionText);
    if (!program_.loadInstallation(form_.caption())) return false;
    ProgramConfig& config = program_.config;
    if (!LoadAutoScan(program_.registry, config)) {
        config.autoScanCom = 0;
        config.autoScanDevice = 0;
    }
    model_.load(config.autoScanCom, config.autoScanDevice);
    bindEvents();
    fillLists();
    BrandMainWindow(form_, config, program_.branding);
    PlaceWindow(form_);
    CentreIcon(form_);
    forms::SetScreenPointer(forms::Pointer::Default);
    form_.setQuitsProgram(true);
    form_.show();
    return true;
}

void AutoScanWindow::fillLists() {
    // each selection runs the evaluation, as a choice by the user does, and so changes the
    // model's selection: take the stored positions first
    int port = model_.portIndex();
    int device = model_.deviceIndex();
    forms::Control& ports = form_["cboCOM"];
    ports.clearItems();
    for (const std::string& item : AutoScanPortItems()) ports.addItem(item);
    ports.setListIndex(port);
    forms::Control& devices = form_["cboDevice"];
    devices.clearItems();
    for (const AutoScanDevice& entry : AutoScanDevices())
        devices.addItem(AutoScanDeviceItem(entry));
    devices.setListIndex(0);
    devices.setListIndex(device);
}

void AutoScanWindow::bindEvents() {
    form_.on(EventType::Click, "cboCOM", [this](Event&) { onSelection(); });
    form_.on(EventType::Click, "cboDevice", [this](Event&) { onSelection(); });
    form_.on(EventType::Click, "cmdApply", [this](Event&) { onApply(); });
    form_.on(EventType::Click, "cmdOK", [this](Event&) { onOK(); });
    form_.on(EventType::Click, "cmdCandel", [this](Event&) { form_.unload(); });
}

void AutoScanWindow::render() {
    form_["cmdApply"].setEnabled(model_.applyEnabled());
    form_["lblDetectMode"].setCaption(model_.modeText());
}

void AutoScanWindow::onSelection() {
    model_.select(form_["cboCOM"].listIndex(), form_["cboDevice"].listIndex());
    render();
}

void AutoScanWindow::onApply() {
    ProgramConfig& config = program_.config;
    config.autoScanCom = model_.selectedPort();
    config.autoScanDevice = model_.selectedDevice();
    SaveAutoScan(program_.registry, config);
    model_.applied();
    render();
}

void AutoScanWindow::onOK() {
    if (model_.applyEnabled()) onApply();
    form_.unload();
}
