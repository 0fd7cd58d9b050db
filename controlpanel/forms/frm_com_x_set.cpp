#include "frm_com_x_set.h"

#include "title_band.h"

FormSpec ComXSetFormSpec() {
    const int32_t width = 5400;
    const int32_t firstRow = 2280, rowStep = 420;
    static const char* const kRowNames[] = {"COM1:", "COM2:", "COM3:", "COM4:"};
    std::vector<ControlSpec> controls = {
        {Kind::Image, "imgCaution", {240, 1200, 480, 480}, Stretch},
        {Kind::Label,
         "lblCaution",
         {840, 1200, 4320, 255},
         "CAUTION:",
         FontSpec{"MS Sans Serif", 8, true},
         ForeColour{0x0000FF}},
        {Kind::Label,
         "lblNote",
         {840, 1455, 4320, 615},
         "Incorrect change to the following Setting could prevent the TouchScreen from "
         "operation or operation correctly."},
    };
    for (int k = 1; k <= 4; ++k) {
        int32_t top = firstRow + (k - 1) * rowStep;
        controls.push_back(
            {Kind::Label, "lblCOM", {480, top + 60, 615, 255}, Index{k}, kRowNames[k - 1]});
        controls.push_back(
            {Kind::Label, "lblPortName", {1200, top + 60, 495, 255}, Index{k}, "PORT"});
        controls.push_back({Kind::Combo, "cboPort", {1740, top, 1215, 315}, Index{k}, Disabled});
        controls.push_back({Kind::Label, "lblIRQ", {3240, top + 60, 375, 255}, Index{k}, "IRQ"});
        controls.push_back({Kind::Combo, "cboIRQ", {3660, top, 1215, 315}, Index{k}});
    }
    controls.push_back({Kind::Button, "cmdCancel", {240, 4140, 1095, 375}, "&Cancel"});
    controls.push_back({Kind::Button, "cmdOK", {2152, 4140, 1095, 375}, "&OK", CancelButton});
    controls.push_back({Kind::Button, "cmdSave", {4065, 4140, 1095, 375}, "&Save", Disabled});
    return {
        "frmCOMxSet",
        " COM Port Configuration",
        width,
        4755,
        WithTitleBand(width, "TouchScreen Control Panel Version ", std::move(controls)),
    };
}
