// From the four collected readings to the calibration the window sends, or the box it shows.
#pragma once

#include <optional>
#include <string>

#include "calibration_types.h"

// The title of both error boxes of the computation; spelt unlike the question box's title.
constexpr char kCalibrationErrorTitle[] = "Touchscreen Calibration";

// The combo box's index as a mode; none for an index the computation does not support.
std::optional<CalibrationMode> CalibrationModeOf(int listIndex);

// Shown in a plain box with the program title when the mode is not supported.
std::string UnsupportedModeMessage(int listIndex);

enum class CalibrationOutcome {
    Ready,                    // send the calibration to the driver
    IncorrectPanelDirection,  // error box; the readings stay swapped
    InvalidResult,            // error box; the driver keeps its calibration
};

struct CalibrationResult {
    CalibrationOutcome outcome;
    // Computed even when invalid; edges 0 and kUnknownDirection when the direction is refused.
    Calibration calibration;
    // The readings as the computation leaves them: rotated, swapped and mirrored as it went.
    CalibrationReadings readings;
    std::string title;    // of the error box, empty when Ready
    std::string message;  // of the error box, empty when Ready
};

// readings in the mode's target order as collected; rotationCode as the driver reports it.
CalibrationResult ComputeCalibration(const CalibrationReadings& readings, CalibrationMode mode,
                                     int rotationCode, ScreenSize screen);
