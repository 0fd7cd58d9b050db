#include "frm_support.h"

FormSpec SupportFormSpec() {
    return {"frmSupport",
            "Support",
            3240,
            2975,
            {
                {Kind::Picture, "picSupport", {120, 120, 3000, 2000}, AutoSize},
                {Kind::Button,
                 "cmdOK",
                 {1072, 2360, 1095, 375},
                 "&OK",
                 Flags{DefaultButton | CancelButton}},
            }};
}
