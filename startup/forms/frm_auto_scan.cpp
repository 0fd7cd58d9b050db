#include "frm_auto_scan.h"

#include "auto_scan_model.h"
#include "startup_texts.h"
#include "title_band.h"

FormSpec AutoScanFormSpec() {
    const int32_t width = 6495;
    return {
        "frmAutoScan", "frmAutoScan", width, 3675,
        WithTitleBand(
            width, kStartupVersionCaption,
            {
                {Kind::Frame, "Frame1", {120, 1200, 6255, 1755}, "  Auto Scan Mode Configuration"},
                {Kind::Label, "Label1", {240, 330, 1335, 255}, "Port::", In{"Frame1"}},
                {Kind::Combo, "cboCOM", {240, 630, 1335, 315}, In{"Frame1"}},
                {Kind::Label, "Label2", {1800, 330, 2775, 255}, "Device:", In{"Frame1"}},
                {Kind::Combo, "cboDevice", {1800, 630, 2775, 315}, In{"Frame1"}},
                {Kind::Label,
                 "lblDetectMode",
                 {4800, 675, 1335, 255},
                 kDetectModeText,
                 In{"Frame1"}},
                {Kind::Button, "cmdCandel", {2850, 3120, 1095, 375}, "&Cancel", CancelButton},
                {Kind::Button, "cmdOK", {4065, 3120, 1095, 375}, "&OK", DefaultButton},
                {Kind::Button, "cmdApply", {5280, 3120, 1095, 375}, "&Apply", Disabled},
            })};
}
