#pragma once

#include "form_spec.h"

// frmCalibration: the full-screen calibration window.
FormSpec CalibrationFormSpec();
