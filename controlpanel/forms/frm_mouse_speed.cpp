#include "frm_mouse_speed.h"

#include "mouse_speed_model.h"
#include "title_band.h"

FormSpec MouseSpeedFormSpec() {
    const int32_t width = 6000;
    const ForeColour teal{kDimmedCaption};
    return {
        "frmMouseSpeed",
        "Mouse Speed",
        width,
        4800,
        WithTitleBand(
            width, "TouchScreen Control Panel Version ",
            {
                {Kind::Frame, "fraAdjustMode", {240, 1200, 3360, 615}, "  Adjust Mode"},
                {Kind::Check, "chkBoth", {120, 270, 3120, 255}, In{"fraAdjustMode"},
                 "Set Both Horizontal && Vertical ", teal},
                {Kind::Frame, "fraBypassMode", {3720, 1200, 2040, 615}, "  Bypass Mode"},
                {Kind::Check, "chkBypass", {240, 270, 1560, 255}, In{"fraBypassMode"}, "Enable",
                 teal},
                {Kind::Frame, "fraHorizontalSpeed", {240, 1920, 3360, 1035},
                 "  Horizontal Speed  "},
                {Kind::HScroll, "hscMouseHSpeed", {120, 300, 3120, 255}, In{"fraHorizontalSpeed"},
                 kSpeedBarRange},
                {Kind::Label, "Label1", {120, 630, 720, 255}, Index{0}, In{"fraHorizontalSpeed"},
                 "Slow"},
                {Kind::Label, "lblHS", {1200, 630, 960, 255}, In{"fraHorizontalSpeed"}, "100%",
                 Centred},
                {Kind::Label, "Label1", {2520, 630, 720, 255}, Index{1}, In{"fraHorizontalSpeed"},
                 "Fast", RightAligned},
                {Kind::Frame, "fraVerticalSpeed", {240, 3060, 3360, 1035}, "  Vertical Speed  "},
                {Kind::HScroll, "hscMouseVSpeed", {120, 300, 3120, 255}, In{"fraVerticalSpeed"},
                 kSpeedBarRange},
                {Kind::Label, "Label1", {120, 630, 720, 255}, Index{2}, In{"fraVerticalSpeed"},
                 "Slow"},
                {Kind::Label, "lblVS", {1200, 630, 960, 255}, In{"fraVerticalSpeed"}, "100%",
                 Centred},
                {Kind::Label, "Label1", {2520, 630, 720, 255}, Index{3}, In{"fraVerticalSpeed"},
                 "Fast", RightAligned},
                {Kind::Frame, "fraAcceleration", {3720, 1920, 2040, 2175}, "  Acceleration  "},
                {Kind::Option, "optAcceleration", {240, 360, 1680, 300}, Index{1},
                 In{"fraAcceleration"}, teal},
                {Kind::Option, "optAcceleration", {240, 810, 1680, 300}, Index{2},
                 In{"fraAcceleration"}, teal},
                {Kind::Option, "optAcceleration", {240, 1260, 1680, 300}, Index{3},
                 In{"fraAcceleration"}, teal},
                {Kind::Option, "optAcceleration", {240, 1710, 1680, 300}, Index{4},
                 In{"fraAcceleration"}, teal},
                {Kind::Button, "cmdCandel", {2280, 4260, 1095, 375}, "&Cancel", CancelButton},
                {Kind::Button, "cmdOK", {3480, 4260, 1095, 375}, "&OK", DefaultButton},
                {Kind::Button, "cmdApply", {4680, 4260, 1095, 375}, "&Apply", Disabled},
            }),
    };
}
