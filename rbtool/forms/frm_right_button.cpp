#include "frm_right_button.h"

// One picture button; the window is fitted around it at start.
const FormSpec kRightButtonForm = {
    "frmRightButton",
    "TouchScreen Right Button",
    600,
    600,
    {
        {Kind::Button, "cmdAction", {0, 0, 600, 600}},
    },
    Border::ToolWindow,
};
