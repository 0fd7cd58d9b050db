// The title band at the top of the branded windows: logo, vendor title, version line, icon.
#pragma once

#include <string>
#include <vector>

#include "form_spec.h"

constexpr char kVersionText[] = "7.5.COM";
constexpr int32_t kTitleBandHeight = 1080;  // twips, from the top of the client area

// The five band controls for a window whose client area is clientWidth twips wide.
// versionCaption is the design caption of lblSystem, e.g. "TouchScreen Control Panel Version ".
std::vector<ControlSpec> TitleBand(int32_t clientWidth, const char* versionCaption);

// A form's controls: the title band followed by the window's own.
std::vector<ControlSpec> WithTitleBand(int32_t clientWidth, const char* versionCaption,
                                       std::vector<ControlSpec> controls);
