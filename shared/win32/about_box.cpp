#include "about_box.h"

#include "title_band.h"
#include "window_helpers.h"

namespace {

constexpr char kNotice[] =
    "TouchScreen utilities for NX-COM serial touch controllers.\r\n"
    "Copyright (C) Brinvale. All rights reserved.";

FormSpec AboutFormSpec() {
    // wide enough for the longest version line of the programs on one line
    const int32_t width = 6495;
    return {"frmAbout",
            " About",
            width,
            2880,
            WithTitleBand(width, "",
                          {
                              {Kind::Label, "lblCopyright", {240, 1320, 6015, 615}, "Copyright"},
                              {Kind::Button, "cmdOK", {2700, 2280, 1095, 375}, "&OK",
                               Flags{DefaultButton | CancelButton}},
                          })};
}

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
