#include "frm_message.h"

// The picture on the left, the text beside it; both are centred vertically when shown.
const FormSpec kMessageForm = [] {
    FormSpec spec{
        "frmMessage",
        "",
        5400,
        1200,
        {
            {Kind::Image, "imgMsg", {240, 360, 480, 480}},
            {Kind::Label, "lblMsg", {960, 465, 4200, 270}},
        },
    };
    spec.controlBox = false;  // nothing to close here
    return spec;
}();
