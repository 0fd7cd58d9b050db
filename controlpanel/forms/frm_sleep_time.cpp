#include "frm_sleep_time.h"

#include "sleep_time_model.h"
#include "title_band.h"

FormSpec SleepTimeFormSpec() {
    const int32_t width = 5400;
    const ForeColour blue{kBlue};
    return {
        "frmSleepTime",
        "Power Save",
        width,
        3660,
        WithTitleBand(
            width, "TouchScreen Control Panel Version ",
            {
                {Kind::Frame,
                 "fraPowerDown",
                 {240, 1200, 4920, 1695},
                 "  Power Down Timer Adjustment "},
                {Kind::Label,
                 "lblSS",
                 {120, 330, 4680, 255},
                 In{"fraPowerDown"},
                 "Disable Power Down Function",
                 Centred,
                 blue},
                {Kind::Label, "Label1", {120, 660, 600, 255}, Index{3}, In{"fraPowerDown"}, "0"},
                {Kind::Label,
                 "Label1",
                 {4200, 660, 600, 255},
                 Index{4},
                 In{"fraPowerDown"},
                 "300",
                 RightAligned},
                {Kind::HScroll,
                 "hscSleepTime",
                 {120, 930, 4680, 255},
                 In{"fraPowerDown"},
                 kSleepTimeBarRange},
                {Kind::Label,
                 "Label1",
                 {120, 1260, 720, 255},
                 Index{1},
                 In{"fraPowerDown"},
                 "Short"},
                {Kind::Label,
                 "lblST",
                 {1680, 1260, 1560, 255},
                 In{"fraPowerDown"},
                 "150",
                 Centred,
                 blue},
                {Kind::Label,
                 "Label1",
                 {4080, 1260, 720, 255},
                 Index{2},
                 In{"fraPowerDown"},
                 "Long",
                 RightAligned},
                {Kind::Button, "cmdCandel", {1680, 3120, 1095, 375}, "&Cancel", CancelButton},
                {Kind::Button, "cmdOK", {2880, 3120, 1095, 375}, "&OK", DefaultButton},
                {Kind::Button, "cmdApply", {4080, 3120, 1095, 375}, "&Apply", Disabled},
            }),
    };
}
