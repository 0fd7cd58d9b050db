// The about box every program with a main window carries: title band, version line, notice.
#pragma once

#include "branding.h"
#include "child_window.h"
#include "config_store.h"
#include "form.h"

class AboutBox : public ChildWindow {
public:
    AboutBox(forms::Form& main, const ProgramConfig& config, Branding& branding);
    bool open() override;

private:
    forms::Form form_;
    forms::Form& main_;
    const ProgramConfig& config_;
    Branding& branding_;
};
