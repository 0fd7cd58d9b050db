#include "calibration_computation.h"

#include "calibration_direction.h"
#include "calibration_edges.h"
#include "calibration_transform.h"
#include "calibration_validity.h"

std::optional<CalibrationMode> CalibrationModeOf(int listIndex) {
    if (listIndex == 0) return CalibrationMode::Corners;
    if (listIndex == 1) return CalibrationMode::Edges;
    return std::nullopt;
}

std::string UnsupportedModeMessage(int listIndex) {
    return "Fail to calibration! ( mode " + std::to_string(listIndex) + " not support )";
}

CalibrationResult ComputeCalibration(const CalibrationReadings& readings, CalibrationMode mode,
                                     int rotationCode, ScreenSize screen) {
    CalibrationReadings rotated = RotateReadings(readings, rotationCode);
    PanelDirectionCheck direction = CheckPanelDirection(rotated, mode);
    if (!direction.accepted)
        return {CalibrationOutcome::IncorrectPanelDirection,
                {{}, kUnknownDirection},
                direction.readings,
                kCalibrationErrorTitle,
                direction.message};

    CalibrationReadings mirrored = MirrorReadings(direction.readings, direction.PanelDirection);
    CalibrationEdges edges = mode == CalibrationMode::Corners
                                 ? EdgesFromCorners(mirrored, screen)
                                 : EdgesFromEdgeMiddles(mirrored, screen);
    Calibration calibration{edges, direction.PanelDirection};
    std::string digits = ValidityDigits(edges);
    if (!digits.empty())
        return {CalibrationOutcome::InvalidResult, calibration, mirrored, kCalibrationErrorTitle,
                InvalidResultMessage(digits)};
    return {CalibrationOutcome::Ready, calibration, mirrored, std::string(), std::string()};
}
