#include "information_dialogs.h"

#include "frm_mcu_info.h"
#include "frm_support.h"
#include "main_window_model.h"
#include "title_band.h"
#include "wide_text.h"
#include "window_helpers.h"

using forms::Event;
using forms::EventType;

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
