#include "frm_main.h"

#include "title_band.h"

FormSpec MainFormSpec() {
    const int32_t width = 6636;
    return {
        "frmMain",
        "MAIN",
        width,
        5520,
        WithTitleBand(
            width, "TouchScreen Control Panel Version ",
            {
                {Kind::Shape, "shpUsingDevice", {2280, 1500, 3855, 435}},
                {Kind::Shape, "shpVirtualButton", {2280, 2100, 3855, 435}},
                {Kind::Shape, "shpFeedbackSound", {2280, 2700, 3855, 435}},
                {Kind::Shape, "shpMouseSpeed", {2280, 3300, 3855, 435}},
                {Kind::Shape, "shpSleepTime", {2280, 3900, 3855, 435}},
                {Kind::Shape, "shpCalibration", {2280, 4500, 1695, 435}},
                {Kind::Shape, "shpDetection", {480, 5100, 5655, 315}, Hidden},
                {Kind::Button, "cmdSerialPort", {480, 1500, 1695, 435}, "&Serial Port"},
                {Kind::Label, "lblUsingDevice", {2400, 1620, 3615, 255},
                 "COM?, Port=????h, IRQ=??, ????? BPS", Transparent},
                {Kind::Button, "cmdVirtualButton", {480, 2100, 1695, 435}, "&Virtual Button"},
                {Kind::Label, "lblVirtualButton", {2400, 2220, 3615, 255}, "Drag Drop Mode",
                 Transparent},
                {Kind::Button, "cmdFeedbackSound", {480, 2700, 1695, 435}, "&Feedback Sound"},
                {Kind::Label, "lblFeedbackSound", {2400, 2820, 3615, 255}, "Silence", Transparent},
                {Kind::Button, "cmdMouseSpeed", {480, 3300, 1695, 435}, "&Mouse Speed"},
                {Kind::Label, "lblMouseSpeed", {2400, 3420, 3615, 255},
                 "HS=50%, VS=50%, Acceleration=Slow", Transparent},
                {Kind::Button, "cmdSleepTime", {480, 3900, 1695, 435}, "&Power Save"},
                {Kind::Label, "lblSleepTime", {2400, 4020, 3615, 255},
                 "Disable Power Down Function", Transparent},
                {Kind::Button, "cmdCalibration", {480, 4500, 1695, 435}, "&Calibration"},
                {Kind::Combo, "cboCalibration", {2340, 4560, 1600, 315}},
                {Kind::Button, "cmdSupport", {4080, 4500, 975, 435}, "S&upport"},
                {Kind::Button, "cmdExit", {5160, 4500, 975, 435}, "E&xit"},
                {Kind::Button, "cmdSMIon", {480, 5100, 975, 315}, "SMI on", Hidden},
                {Kind::Button, "cmdSMIoff", {1560, 5100, 975, 315}, "SMI Off", Hidden},
                {Kind::Button, "cmdTest", {2640, 5100, 975, 315}, "&Test", Hidden},
                {Kind::Button, "cmdUsbDevice", {3720, 5100, 1215, 315}, "&USB Device", Hidden},
                {Kind::Label, "lblDetection", {5040, 5130, 975, 255}, "Detection", Hidden},
            }),
    };
}
