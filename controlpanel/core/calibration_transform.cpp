#include "calibration_transform.h"

#include <stdint.h>

#include <algorithm>

#include "placement.h"

namespace {

// Only a value far outside the raw range could leave 16 bits here.
int16_t Mirrored(int16_t value) {
    return static_cast<int16_t>(std::min(kRawMax - int{value}, int{INT16_MAX}));
}

}  // namespace

int NormalizeRotationCode(int rotationCode) {
    return rotationCode >= 0 && rotationCode <= 3 ? rotationCode : 0;
}

CalibrationReadings RotateReadings(const CalibrationReadings& readings, int rotationCode) {
    // Where each new reading comes from; code 2 is deliberately not the two-place shift.
    static constexpr size_t kSource[4][4] = {
        {0, 1, 2, 3}, {3, 0, 1, 2}, {1, 2, 3, 0}, {2, 3, 0, 1}};
    const size_t* source = kSource[NormalizeRotationCode(rotationCode)];
    CalibrationReadings rotated;
    for (size_t i = 0; i < rotated.size(); ++i) rotated[i] = readings[source[i]];
    return rotated;
}

CalibrationReadings SwapReadings(const CalibrationReadings& readings) {
    CalibrationReadings swapped = readings;
    for (RawPoint& point : swapped) SwapValues(point.X, point.Y);
    return swapped;
}

CalibrationReadings MirrorReadings(const CalibrationReadings& readings, uint8_t panelDirection) {
    CalibrationReadings mirrored = readings;
    for (RawPoint& point : mirrored) {
        if (panelDirection & kMirrorY) point.Y = Mirrored(point.Y);
        if (panelDirection & kMirrorX) point.X = Mirrored(point.X);
    }
    return mirrored;
}
