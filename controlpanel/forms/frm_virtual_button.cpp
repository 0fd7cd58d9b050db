#include "frm_virtual_button.h"

#include "title_band.h"

FormSpec VirtualButtonFormSpec() {
    const int32_t width = 6600;
    const ForeColour teal{kDimmedCaption};
    const In automatic{"fraRBAutoMode"};
    return {
        "frmVirtualButton",
        "Virtual Button",
        width,
        4620,
        WithTitleBand(
            width, "TouchScreen Control Panel Version ",
            {
                {Kind::Frame, "fraVirtualButton", {240, 1200, 2880, 1695},
                 "  Virtual Button Option  "},
                {Kind::Option, "optVirtualButton", {240, 300, 2520, 270}, Index{1},
                 In{"fraVirtualButton"}, teal},
                {Kind::Option, "optVirtualButton", {240, 630, 2520, 270}, Index{2},
                 In{"fraVirtualButton"}, teal},
                {Kind::Option, "optVirtualButton", {240, 960, 2520, 270}, Index{3},
                 In{"fraVirtualButton"}, teal},
                {Kind::Option, "optVirtualButton", {240, 1290, 2520, 270}, Index{4},
                 In{"fraVirtualButton"}, teal},
                {Kind::Frame, "fraRBFunction", {3360, 1200, 3000, 1695},
                 "  Right Button Function "},
                {Kind::Option, "optRBFunction", {240, 300, 2640, 270}, Index{0},
                 In{"fraRBFunction"}, "Disable ( Off )", teal},
                {Kind::Option, "optRBFunction", {240, 630, 2640, 270}, Index{1},
                 In{"fraRBFunction"}, "Enable  ( On )", teal},
                {Kind::Combo, "cboRBAutoMode", {240, 1080, 2520, 315}, In{"fraRBFunction"}},
                {Kind::Frame, "fraRBAutoMode", {240, 3060, 6120, 795},
                 "  Right Button Automatic Mode"},
                {Kind::Label, "lblRBAutoSTime", {120, 360, 840, 255}, automatic, "Toggle On"},
                {Kind::Combo, "cboRBAutoSTime", {960, 300, 735, 315}, automatic},
                {Kind::Label, "lblRBAutoSTimeSec", {1740, 360, 420, 255}, automatic, "Sec."},
                {Kind::Label, "lblRBAutoETime", {2280, 360, 840, 255}, automatic, "Toggle Off"},
                {Kind::Combo, "cboRBAutoETime", {3120, 300, 735, 315}, automatic},
                {Kind::Label, "lblRBAutoETimeSec", {3900, 360, 420, 255}, automatic, "Sec."},
                {Kind::Label, "lblRBAutoBeep", {4500, 360, 480, 255}, automatic, "Beep"},
                {Kind::Combo, "cboRBAutoBeep", {5040, 300, 900, 315}, automatic},
                {Kind::Button, "cmdCandel", {2880, 4080, 1095, 375}, "&Cancel", CancelButton},
                {Kind::Button, "cmdOK", {4080, 4080, 1095, 375}, "&OK", DefaultButton},
                {Kind::Button, "cmdApply", {5280, 4080, 1095, 375}, "&Apply", Disabled},
            }),
    };
}
