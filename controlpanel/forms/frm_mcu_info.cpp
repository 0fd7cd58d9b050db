#include "frm_mcu_info.h"

#include "title_band.h"

FormSpec McuInfoFormSpec() {
    const int32_t width = 5400;
    return {"frmMcuInfo", " MCU Information", width, 2400,
            WithTitleBand(width, "",
                          {
                              {Kind::Label,
                               "lblMcuInfo",
                               {240, 1320, 4920, 255},
                               "MCU-Mode=D4  MCU-Version=4.2  Checksum=00000000",
                               Centred},
                              {Kind::Button,
                               "cmdOK",
                               {2152, 1800, 1095, 375},
                               "&OK",
                               Flags{DefaultButton | CancelButton}},
                          })};
}
