#include "frm_message.h"

// The picture on the left, the text beside it; both are centred vertically when shown.
const FormSpec kMessageForm = {
    "frmMessage",
    "",
    5400,
    1200,
    {
        {Kind::Image, "imgMsg", {240, 360, 480, 480}},
        {Kind::Label, "lblMsg", {960, 465, 4200, 270}},
    },
};
