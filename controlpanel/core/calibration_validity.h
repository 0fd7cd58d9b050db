// Refusing a calibration whose halves are too narrow to be real.
#pragma once

#include <string>

#include "calibration_types.h"

// "1" to "4" for the left, right, top and bottom half narrower than 256 raw units (a reversed
// half counts too), in that order; empty when the calibration is valid.
std::string ValidityDigits(const CalibrationEdges& edges);

std::string InvalidResultMessage(const std::string& digits);
