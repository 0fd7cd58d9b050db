#include "frm_removal.h"

#include "title_band.h"

FormSpec RemovalFormSpec() {
    const int32_t width = 6000;
    return {
        "frmMain",
        "TouchScreen Software Removal",
        width,
        3720,
        WithTitleBand(
            width, "TouchScreen Software Removal Version ",
            {
                {Kind::Image, "imgRemoval", {360, 1320, 480, 480}, Stretch},
                {Kind::Label,
                 "lblText",
                 {1020, 1260, 4620, 495},
                 "If Removal is complete, TouchScreen will not work next time when you start "
                 "Windows!",
                 ForeColour{0x000080},
                 Transparent},
                {Kind::Label,
                 "lblAsk",
                 {1020, 1860, 4620, 735},
                 "Are you sure you want to remove TouchScreen Driver now?",
                 Transparent},
                {Kind::Shape, "shpRemoval", {240, 1200, 5520, 1515}},
                {Kind::Line, "lineShadow", {240, 2940, 5520, 0}},
                {Kind::Line, "lineHighlight", {240, 2960, 5520, 0}},
                {Kind::Button, "cmdYes", {1800, 3120, 1095, 375}, "&Yes"},
                {Kind::Button,
                 "cmdNo",
                 {3360, 3120, 1095, 375},
                 "&No",
                 Flags{DefaultButton | CancelButton}},
            }),
    };
}
