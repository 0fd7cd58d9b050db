#include "about_box.h"

#include "frm_about.h"
#include "window_helpers.h"

namespace {

constexpr char kNotice[] =
    "TouchScreen utilities for NX-COM serial touch controllers.\r\n"
    "Copyright (C) Brinvale. All rights reserved.";

}  // namespace

AboutBox::AboutBox(forms::Form& main, const ProgramConfig& config, Branding& branding)
    : form_(AboutFormSpec()), main_(main), config_(config), branding_(branding) {}

bool AboutBox::open() {
    if (!form_.load()) return false;
    form_["lblSystem"].setCaption(main_["lblSystem"].caption());
    form_["lblCopyright"].setCaption(kNotice);
    BrandWindow(form_, main_, config_, branding_);
    PlaceWindow(form_);
    CentreIcon(form_);
    form_.on(forms::EventType::Click, "cmdOK", [this](forms::Event&) { form_.unload(); });
    form_.on(forms::EventType::Unload, [this](forms::Event&) { ReturnToMainWindow(main_); });
    form_.show();
    return true;
}
