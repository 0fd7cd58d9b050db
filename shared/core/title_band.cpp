#include "title_band.h"

std::vector<ControlSpec> TitleBand(int32_t clientWidth, const char* versionCaption) {
    const int32_t iconBox = 840, margin = 120;
    const int32_t textWidth = clientWidth - iconBox - 3 * margin;
    // listed first is drawn on top: the version line stays above a logo
    return {
        {Kind::Label, "lblOemTitle", {margin, margin, textWidth, 540}, "Brinvale",
         FontSpec{"Times New Roman", 20, true}, ForeColour{0x800000}, Transparent},
        {Kind::Label, "lblSystem", {margin, 690, textWidth, 255}, versionCaption,
         FontSpec{"MS Sans Serif", 8, true}, Transparent},
        {Kind::Picture, "picLogo", {margin, margin, textWidth, 840}, Transparent},
        {Kind::Picture, "picIcon", {clientWidth - iconBox - margin, margin, iconBox, iconBox},
         Bordered},
        {Kind::Image, "imgIcon", {180, 180, 480, 480}, In{"picIcon"}, Stretch},
    };
}

std::vector<ControlSpec> WithTitleBand(int32_t clientWidth, const char* versionCaption,
                                       std::vector<ControlSpec> controls) {
    std::vector<ControlSpec> all = TitleBand(clientWidth, versionCaption);
    all.insert(all.end(), controls.begin(), controls.end());
    return all;
}
