#include "frm_accuracy.h"

namespace {

constexpr uint32_t kRed = 0x0000FF;
const FontSpec kLineFont{"MS Sans Serif", 12};

}  // namespace

FormSpec AccuracyFormSpec() {
    // the layout places everything at run time; the view shows either the check, which fills
    // the screen, or the result: the title, the picture, the lines and the buttons
    FormSpec spec{
        "frmAccuracy",
        "Accuracy Check",
        9600,
        7200,
        {
            {Kind::Picture, "picCheck", {0, 0, 9600, 7200}, BackColour{kWhite}},
            {Kind::Label,
             "lblInstruction",
             {1500, 1800, 6600, 300},
             "Touch and hold the centre of the cross",
             FontSpec{"MS Sans Serif", 12, true},
             In{"picCheck"},
             Transparent},
            {Kind::Label,
             "lblProgress",
             {1500, 2160, 6600, 300},
             "Target 1 of 9",
             kLineFont,
             In{"picCheck"},
             Transparent},
            {Kind::Label,
             "lblHelp",
             {1500, 2520, 6600, 255},
             "Press Esc to end the check",
             ForeColour{kBlue},
             FontSpec{"MS Sans Serif", 8, true},
             In{"picCheck"},
             Transparent},
            {Kind::Label,
             "lblTitle",
             {2400, 120, 4800, 480},
             "TouchScreen Accuracy Check",
             ForeColour{kRed},
             FontSpec{"Times New Roman", 14, true},
             Transparent},
            {Kind::Picture, "picResult", {120, 720, 9360, 5160}, BackColour{kWhite}, Bordered},
            {Kind::Label, "lblMeanError", {120, 6000, 5000, 300}, kLineFont},
            {Kind::Label, "lblLargestError", {120, 6300, 5000, 300}, kLineFont},
            {Kind::Label, "lblResult", {120, 6600, 5000, 300}, FontSpec{"MS Sans Serif", 12, true}},
            {Kind::Button, "cmdSave", {5295, 6000, 1455, 420}, "&Save Report..."},
            {Kind::Button, "cmdAgain", {6870, 6000, 1215, 420}, "&Again"},
            {Kind::Button,
             "cmdClose",
             {8205, 6000, 1215, 420},
             "&Close",
             Flags{DefaultButton | CancelButton}},
            // the idle rule is the session's; the timer only asks it now and then
            {Kind::Timer, "TimerIdle", {0, 0, 0, 0}, Interval{250}, Disabled},
        }};
    spec.border = Border::None;
    spec.keyPreview = true;
    return spec;
}
