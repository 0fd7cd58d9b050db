#include "information_dialogs.h"

#include "main_window_model.h"
#include "title_band.h"
#include "wide_text.h"
#include "window_helpers.h"

using forms::Event;
using forms::EventType;

namespace {

FormSpec McuInfoFormSpec() {
    const int32_t width = 5400;
    return {"frmMcuInfo",
            " MCU Information",
            width,
            2400,
            WithTitleBand(width, "",
                          {
                              {Kind::Label, "lblMcuInfo", {240, 1320, 4920, 255},
                               "MCU-Mode=D4  MCU-Version=4.2  Checksum=00000000", Centred},
                              {Kind::Button, "cmdOK", {2152, 1800, 1095, 375}, "&OK",
                               Flags{DefaultButton | CancelButton}},
                          })};
}

FormSpec SupportFormSpec() {
    return {"frmSupport",
            "Support",
            3240,
            2975,
            {
                {Kind::Picture, "picSupport", {120, 120, 3000, 2000}, AutoSize},
                {Kind::Button, "cmdOK", {1072, 2360, 1095, 375}, "&OK",
                 Flags{DefaultButton | CancelButton}},
            }};
}

}  // namespace

McuInfoBox::McuInfoBox(ControlPanel& panel) : panel_(panel), form_(McuInfoFormSpec()) {}

bool McuInfoBox::open() {
    if (!form_.load()) return false;
    const DriverBlock& block = panel_.block;
    form_["lblMcuInfo"].setCaption(McuInfoLine(block.McuMode, block.McuVersion, block.McuCode));
    PrepareDialog(form_, *panel_.main, panel_.config, panel_.branding);
    form_.on(EventType::Click, "cmdOK", [this](Event&) { form_.unload(); });
    form_.on(EventType::Unload, [this](Event&) { ReturnToMainWindow(*panel_.main); });
    form_.show();
    return true;
}

SupportBox::SupportBox(ControlPanel& panel) : panel_(panel), form_(SupportFormSpec()) {}

SupportBox::~SupportBox() {
    if (picture_) DeleteObject(picture_);
}

bool SupportBox::open() {
    if (!form_.load()) return false;
    form_.setCaption(panel_.main->caption());
    picture_ =
        static_cast<HBITMAP>(LoadImageW(nullptr, WideFromUtf8(panel_.vendorBitmapPath).c_str(),
                                        IMAGE_BITMAP, 0, 0, LR_LOADFROMFILE));
    forms::Control& picture = form_["picSupport"];
    forms::Control& ok = form_["cmdOK"];
    picture.setPicture(picture_);
    SupportBoxFit fit = FitSupportBox(form_.width(), form_.height(), form_.clientWidth(),
                                      form_.clientHeight(), picture.left(), picture.top(),
                                      picture.width(), picture.height(), ok.width(), ok.height());
    form_.resize(fit.windowWidth, fit.windowHeight);
    ok.move(fit.okLeft, fit.okTop, ok.width(), ok.height());
    PlaceWindow(form_);
    form_.on(EventType::Click, "cmdOK", [this](Event&) { form_.unload(); });
    form_.on(EventType::Unload, [this](Event&) { ReturnToMainWindow(*panel_.main); });
    form_.show();
    return true;
}
