#include "frm_calibration.h"

namespace {

constexpr uint32_t kLightGrey = 0xC0C0C0;
constexpr uint32_t kRed = 0x0000FF;
constexpr uint32_t kYellow = 0x00FFFF;
constexpr uint32_t kGreen = 0x00FF00;

}  // namespace

FormSpec CalibrationFormSpec() {
    // positions in twips as designed; the layout moves most of them to the screen's centre
    FormSpec spec{"frmCalibration",
                  "Calibration",
                  9600,
                  7200,
                  {
                      {Kind::Picture, "picCalibration", {0, 0, 9600, 7200}},
                      {Kind::Label,
                       "LabelAction",
                       {0, 0, 615, 195},
                       "TOUCH",
                       ForeColour{kBlack},
                       In{"picCalibration"},
                       Transparent},
                      {Kind::Label,
                       "lblTitle",
                       {1800, 120, 4620, 480},
                       "TouchScreen Calibration",
                       ForeColour{kRed},
                       FontSpec{"Times New Roman", 22, true},
                       In{"picCalibration"},
                       Transparent},
                      {Kind::Picture, "picHome", {120, 720, 6135, 3255}, In{"picCalibration"}},
                      {Kind::Picture,
                       "picStat",
                       {1560, 0, 2895, 975},
                       BackColour{kWhite},
                       In{"picHome"},
                       Bordered},
                      {Kind::Label,
                       "lblResolution",
                       {360, 360, 2175, 195},
                       "Resolution: 1280 X 1024",
                       ForeColour{kBlack},
                       FontSpec{"MS Sans Serif", 8, true},
                       In{"picStat"},
                       Transparent},
                      {Kind::Picture,
                       "picMesg",
                       {240, 1320, 5655, 975},
                       BackColour{kBlack},
                       In{"picHome"},
                       Bordered},
                      {Kind::Label,
                       "lblMesg3",
                       {195, 720, 5265, 240},
                       "Please lift off from TouchScreen to start calibration",
                       ForeColour{kYellow},
                       FontSpec{"MS Sans Serif", 10, true},
                       In{"picMesg"},
                       Transparent},
                      {Kind::Label,
                       "lblMesg1",
                       {480, 240, 4695, 240},
                       "Please touch on the center of Cross Mark that",
                       ForeColour{kGreen},
                       FontSpec{"MS Sans Serif", 10, true},
                       In{"picMesg"},
                       Transparent},
                      {Kind::Label,
                       "lblMesg2",
                       {480, 480, 4695, 240},
                       "show on the TOP-LEFT coner of the screen",
                       ForeColour{kGreen},
                       FontSpec{"MS Sans Serif", 10, true},
                       In{"picMesg"},
                       Transparent},
                      {Kind::Label,
                       "lblHelp",
                       {1582, 2520, 2970, 195},
                       "Press ESC key to break calibration",
                       ForeColour{kBlue},
                       FontSpec{"MS Sans Serif", 8, true},
                       In{"picHome"},
                       Transparent},
                      {Kind::Timer, "TimerHOLD", {0, 0, 0, 0}, Interval{500}, Disabled},
                      {Kind::Timer, "TimerIDEL", {0, 0, 0, 0}, Interval{1000}, Disabled},
                  }};
    spec.border = Border::None;
    spec.backColour = kLightGrey;
    spec.keyPreview = true;
    return spec;
}
