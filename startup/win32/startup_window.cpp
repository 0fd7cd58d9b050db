#include "startup_window.h"

#include "about_box.h"
#include "frm_main.h"
#include "lamp_pictures.h"
#include "message_loop.h"
#include "message_boxes.h"
#include "placement.h"
#include "startup_texts.h"
#include "title_band.h"
#include "window_helpers.h"

using forms::Event;
using forms::EventType;

namespace {

constexpr int32_t kBannerHeight = 2025;  // twips: the title band alone

constexpr DoubleClickSlider kSliders[] = {DoubleClickSlider::Speed, DoubleClickSlider::Width,
                                          DoubleClickSlider::Height};

const char* SystemLabel(DoubleClickSlider slider) {
    switch (slider) {
        case DoubleClickSlider::Speed:
            return "lblSiTT";
        case DoubleClickSlider::Width:
            return "lblSiWW";
        case DoubleClickSlider::Height:
            return "lblSiHH";
    }
    return "";
}

}  // namespace

StartupWindow::StartupWindow(StartupProgram& program)
    : program_(program), form_(StartupMainFormSpec()) {}

StartupWindow::~StartupWindow() {
    if (lampOff_) DeleteObject(lampOff_);
    if (lampOn_) DeleteObject(lampOn_);
}

bool StartupWindow::load() {
    // 1. title and version line; 6. without "/SDC" the banner's hidden frames: set before the
    // windows exist, so that each is made once as it is shown
    form_.setCaption(kStartupProgramTitle);
    forms::Control& version = form_["lblSystem"];
    version.setCaption(version.caption() + kVersionText);
    if (!program_.flags.doubleClick) hideConfiguration();
    if (!form_.load()) return false;
    // 2. one instance only
    if (program_.anotherInstanceRuns(form_)) return false;
    // 3. installation facts; 4. the stored double-click settings
    if (!program_.loadInstallation(form_.caption())) return false;
    DoubleClickSettings stored = LoadStoredDoubleClick(program_.registry, program_.config);
    // 5. the configuration window, or 6. the banner alone
    if (program_.flags.doubleClick)
        layOutConfiguration(stored);
    else
        form_.resize(form_.width(), kBannerHeight);
    // 7. branding and placement
    BrandMainWindow(form_, program_.config, program_.branding);
    PlaceWindow(form_);
    CentreIcon(form_);
    forms::SetScreenPointer(forms::Pointer::Default);
    return true;
}

void StartupWindow::layOutConfiguration(const DoubleClickSettings& stored) {
    forms::Control& box = form_["picTest"];
    forms::Control& off = form_["imgOFF"];
    forms::Control& on = form_["imgON"];
    TwipsPosition at = CentreIcon(TwipsSize{box.innerWidth(), box.innerHeight()},
                                  TwipsSize{off.width(), off.height()});
    off.move(at.left, at.top, off.width(), off.height());
    on.move(at.left, at.top, off.width(), off.height());
    RECT pixels = off.pixelRect();
    int size = pixels.right - pixels.left;
    lampOff_ = DrawLampPicture(size, false, kLampOffColour);
    lampOn_ = DrawLampPicture(size, true, kLampOnColour);
    off.setPicture(lampOff_);
    on.setPicture(lampOn_);
    model_.setLampOn(false);
    model_.load(stored, pointer_.current());
    bindEvents();
    render();
    form_.setQuitsProgram(true);  // the configuration window is the program: closing it ends it
}

void StartupWindow::hideConfiguration() {
    form_["Shape1"].setVisible(false);
    form_["Frame1"].setVisible(false);
    form_["Frame2"].setVisible(false);
}

void StartupWindow::runLogon() {
    forms::DoEvents();  // the banner paints before the run keeps the thread busy
    WindowsStartupHost host(program_.config.programFolder);
    RunLogon(host, pointer_, program_.registry, host.driver(), program_.config);
}

void StartupWindow::bindEvents() {
    for (DoubleClickSlider slider : kSliders) {
        const char* bar = DesignOf(slider).scrollBar;
        form_.on(EventType::Change, bar, [this, slider](Event&) { onSlider(slider); });
        form_.on(EventType::Scroll, bar, [this, slider](Event&) { onSlider(slider); });
    }
    form_.on(EventType::Click, "cmdApply", [this](Event&) { onApply(); });
    form_.on(EventType::Click, "cmdOK", [this](Event&) { onOK(); });
    form_.on(EventType::Click, "cmdCandel", [this](Event&) { form_.unload(); });
    form_.on(EventType::DblClick, "imgOFF", [this](Event&) {
        model_.setLampOn(true);
        render();
    });
    form_.on(EventType::DblClick, "imgON", [this](Event&) {
        model_.setLampOn(false);
        render();
    });
    form_.on(EventType::DblClick, "imgIcon", [this](Event&) { onAbout(); });
}

void StartupWindow::render() {
    rendering_ = true;
    for (DoubleClickSlider slider : kSliders) {
        const SliderDesign& design = DesignOf(slider);
        form_[design.scrollBar].setValue(model_.sliderValue(slider));
        form_[design.label].setCaption(model_.caption(slider));
        form_[SystemLabel(slider)].setCaption(model_.systemText(slider));
    }
    form_["cmdApply"].setEnabled(model_.applyEnabled());
    bool lit = model_.lampOn();
    form_["imgOFF"].setVisible(!lit);
    form_["imgOFF"].setEnabled(!lit);
    form_["imgON"].setVisible(lit);
    form_["imgON"].setEnabled(lit);
    form_["picTest"].setBackColour(model_.lampColour());
    rendering_ = false;
}

void StartupWindow::onSlider(DoubleClickSlider slider) {
    if (rendering_) return;
    model_.sliderMoved(slider, form_[DesignOf(slider).scrollBar].value());
    render();
}

void StartupWindow::onApply() {
    std::string letters =
        ApplyDoubleClick(pointer_, program_.registry, program_.config, model_.sliderSettings());
    if (!letters.empty()) ShowErrorBox(DoubleClickFailText(letters), kStartupProgramTitle);
    model_.applied(pointer_.current());
    render();
}

void StartupWindow::onOK() {
    if (model_.applyEnabled()) onApply();
    form_.unload();
}

void StartupWindow::onAbout() {
    forms::SetScreenPointer(forms::Pointer::Hourglass);
    form_.hide();
    if (!about_.open(std::make_unique<AboutBox>(form_, program_.config, program_.branding)))
        ReturnToMainWindow(form_);
    forms::SetScreenPointer(forms::Pointer::Default);
}
