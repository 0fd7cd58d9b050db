#include "frm_main.h"

#include "double_click_model.h"
#include "startup_texts.h"
#include "title_band.h"

namespace {

constexpr uint32_t kSeparatorGrey = 0x808080;

// One slider row of Frame1: caption, frame shape, slider, and the ends of its range.
struct RowNames {
    const char* shape;
    const char* minLabel;
    const char* minText;
    const char* maxLabel;
    const char* maxText;
};

void AddSliderRow(std::vector<ControlSpec>& controls, DoubleClickSlider slider, int32_t top,
                  const RowNames& names) {
    const SliderDesign& design = DesignOf(slider);
    controls.push_back(
        {Kind::Label, design.label, {240, top, 3480, 255}, design.designText, In{"Frame1"}});
    controls.push_back(
        {Kind::HScroll,
         design.scrollBar,
         {240, top + 330, 3480, 255},
         Range{design.min, design.max, design.smallChange, design.largeChange, design.designValue},
         In{"Frame1"}});
    controls.push_back(
        {Kind::Label, names.minLabel, {240, top + 630, 735, 210}, names.minText, In{"Frame1"}});
    controls.push_back({Kind::Label,
                        names.maxLabel,
                        {2985, top + 630, 735, 210},
                        names.maxText,
                        In{"Frame1"},
                        RightAligned});
    controls.push_back({Kind::Shape,
                        names.shape,
                        {180, top + 285, 3600, 345},
                        In{"Frame1"},
                        ForeColour{kSeparatorGrey}});
}

}  // namespace

FormSpec StartupMainFormSpec() {
    const int32_t width = 6495;
    std::vector<ControlSpec> body = {
        {Kind::Shape,
         "Shape1",
         {120, 1170, 6255, 30},
         ForeColour{kSeparatorGrey},
         BackColour{kSeparatorGrey},
         Filled},
        {Kind::Frame, "Frame1", {120, 1320, 3960, 3240}, "  Double Click Configuration"},
    };
    AddSliderRow(body, DoubleClickSlider::Speed, 300,
                 {"shpTT", "lblTTMin", "100", "lblTTMax", "900"});
    AddSliderRow(body, DoubleClickSlider::Width, 1260,
                 {"shpWW", "lblWWMin", "0", "lblWWMax", "64"});
    AddSliderRow(body, DoubleClickSlider::Height, 2220,
                 {"shpHH", "lblHHMin", "0", "lblHHMax", "64"});
    std::vector<ControlSpec> rest = {
        {Kind::Frame, "Frame2", {4200, 1320, 2175, 1440}, " System Information"},
        {Kind::Label, "Label1", {240, 330, 855, 255}, Index{0}, "Speed:", In{"Frame2"}},
        {Kind::Label, "lblSiTT", {1140, 330, 795, 255}, "500", In{"Frame2"}, RightAligned},
        {Kind::Label, "Label1", {240, 690, 855, 255}, Index{1}, "Width:", In{"Frame2"}},
        {Kind::Label, "lblSiWW", {1140, 690, 795, 255}, "32", In{"Frame2"}, RightAligned},
        {Kind::Label, "Label1", {240, 1050, 855, 255}, Index{2}, "Height:", In{"Frame2"}},
        {Kind::Label, "lblSiHH", {1140, 1050, 795, 255}, "32", In{"Frame2"}, RightAligned},
        {Kind::Frame, "Frame4", {4200, 2880, 2175, 1680}, " Double Click Test"},
        {Kind::Picture,
         "picTest",
         {697, 510, 780, 780},
         In{"Frame4"},
         Bordered,
         BackColour{kLampOffColour}},
        {Kind::Image, "imgOFF", {135, 135, 480, 480}, In{"picTest"}, Stretch},
        {Kind::Image, "imgON", {135, 135, 480, 480}, In{"picTest"}, Stretch, Hidden, Disabled},
        {Kind::Button, "cmdCandel", {2850, 4740, 1095, 375}, "&Cancel", CancelButton},
        {Kind::Button, "cmdOK", {4065, 4740, 1095, 375}, "&OK", DefaultButton},
        {Kind::Button, "cmdApply", {5280, 4740, 1095, 375}, "&Apply", Disabled},
    };
    body.insert(body.end(), rest.begin(), rest.end());
    return {"frmMain", "frmMain", width, 5295,
            WithTitleBand(width, kStartupVersionCaption, std::move(body))};
}
