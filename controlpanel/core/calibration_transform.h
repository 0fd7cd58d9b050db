// Moving the four calibration readings: screen rotation, axis swap and mirroring.
#pragma once

#include <stdint.h>

#include "calibration_types.h"

// The rotation code as the SMI tool registers it, 0..3; any other value counts as 0.
int NormalizeRotationCode(int rotationCode);

// Code 1 moves every reading one place on (r1 to r2), code 2 one place back, code 3 two places.
CalibrationReadings RotateReadings(const CalibrationReadings& readings, int rotationCode);

CalibrationReadings SwapReadings(const CalibrationReadings& readings);

// Applies the mirror bits of a direction code; the swap bit is left to the direction check,
// which swaps the readings itself.
CalibrationReadings MirrorReadings(const CalibrationReadings& readings, uint8_t panelDirection);
