// Recognising how the panel's axes are wired from the high/low halves of the four readings.
#pragma once

#include <stdint.h>

#include <string>

#include "calibration_types.h"

// Eight characters, an (X, Y) pair per reading r1..r4, "1" for the high half. The edge readings
// are paired as if they were corners: (LEFT X, TOP Y), (RIGHT X, TOP Y), (RIGHT X, DOWN Y),
// (LEFT X, DOWN Y).
std::string BuildDirectionPattern(const CalibrationReadings& readings, CalibrationMode mode);

// 0..3 for the four known patterns, kUnknownDirection for any other text.
uint8_t MatchDirectionPattern(const std::string& pattern);

struct PanelDirectionCheck {
    bool accepted;
    uint8_t PanelDirection;  // 0..7 when accepted, kUnknownDirection when refused
    // Swapped when the code is 4..7, and also when refused.
    CalibrationReadings readings;
    std::string message;  // the error box text when refused, empty when accepted
};

PanelDirectionCheck CheckPanelDirection(const CalibrationReadings& readings, CalibrationMode mode);
