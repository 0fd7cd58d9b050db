// The six calibration edges from four readings already in the panel's direction.
#pragma once

#include <stdint.h>

#include "calibration_types.h"

// To the nearest integer, halves to the even neighbour (88.5 gives 88, 89.5 gives 90); beyond
// the 16-bit range saturates, and NaN gives 0.
int16_t RoundHalfEven(double value);

// The targets sit kCrossHalfSize pixels inside the screen, so both computations extend the low
// and high edges outwards by that share of the raw span and then clamp them to 0..1023; the
// middles are neither extended nor clamped. A screen axis of 2 x kCrossHalfSize pixels or less
// cannot hold the targets and gets no extension.
CalibrationEdges EdgesFromCorners(const CalibrationReadings& readings, ScreenSize screen);
CalibrationEdges EdgesFromEdgeMiddles(const CalibrationReadings& readings, ScreenSize screen);
