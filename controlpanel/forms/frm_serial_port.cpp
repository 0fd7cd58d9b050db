#include "frm_serial_port.h"

#include <string>

#include "serial_port_view_model.h"
#include "title_band.h"

FormSpec SerialPortFormSpec() {
    const int32_t width = 5400;
    const int32_t firstRow = 300, rowStep = 300;
    // the placeholder captions outlive the table that points at them
    static const std::array<std::string, basComPorts::kPortCount> placeholders = [] {
        std::array<std::string, basComPorts::kPortCount> texts;
        for (int n = 1; n <= basComPorts::kPortCount; ++n) {
            std::string digits(2, char('0' + n));
            texts[n - 1] =
                "COM" + std::to_string(n) + ", BasePort=" + digits + digits + "h, IRQ=" + digits;
        }
        return texts;
    }();
    std::vector<ControlSpec> controls = {
        {Kind::Frame, "fraSerialPort", {240, 1200, 4920, 3000}, "  Serial Port Information  "},
    };
    for (int n = 1; n <= basComPorts::kPortCount; ++n) {
        int32_t top = firstRow + (n - 1) * rowStep;
        controls.push_back({Kind::Option,
                            "optDetected",
                            {240, top, 255, 255},
                            Index{n},
                            In{"fraSerialPort"},
                            Disabled});
        controls.push_back({Kind::Label,
                            "lblCOM",
                            {600, top + 15, 3015, 255},
                            Index{n},
                            In{"fraSerialPort"},
                            placeholders[n - 1].c_str(),
                            ForeColour{kPortRowGrey}});
        controls.push_back({Kind::Label,
                            "lblDEVICE",
                            {3720, top + 15, 1080, 255},
                            Index{n},
                            In{"fraSerialPort"},
                            "( NXCOM )",
                            ForeColour{kPortRowGrey}});
    }
    controls.push_back({Kind::Button,
                        "cmdSetup",
                        {240, 4440, 1095, 375},
                        "&Setup",
                        Flags{CancelButton | Hidden | Disabled}});
    controls.push_back({Kind::Button, "cmdOK", {2152, 4440, 1095, 375}, "&OK", DefaultButton});
    return {
        "frmSerialPort",
        "Serial Port",
        width,
        5055,
        WithTitleBand(width, "TouchScreen Control Panel Version ", std::move(controls)),
    };
}
