// The startup program's own title and the fixed texts of its boxes.
#pragma once

#include "shared_texts.h"

constexpr char kStartupProgramTitle[] = " TouchScreen System Startup #NX-COM";
// lblSystem's design caption; the version text is appended at load
constexpr char kStartupVersionCaption[] = "TouchScreen System Startup Version ";

constexpr char kRightButtonStartFailText[] = "Fail to initialize Right Button Function!";
