#include "frm_about.h"

#include "title_band.h"

FormSpec AboutFormSpec() {
    // wide enough for the longest version line of the programs on one line
    const int32_t width = 6495;
    return {"frmAbout", " About", width, 2880,
            WithTitleBand(width, "",
                          {
                              {Kind::Label, "lblCopyright", {240, 1320, 6015, 615}, "Copyright"},
                              {Kind::Button,
                               "cmdOK",
                               {2700, 2280, 1095, 375},
                               "&OK",
                               Flags{DefaultButton | CancelButton}},
                          })};
}
