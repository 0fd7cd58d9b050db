// Raw calibration readings and the calibration the driver maps raw touches with.
#pragma once

#include <stdint.h>

#include <array>

#include "driver_records.h"

constexpr int kRawMax = 1023;       // the controller reports 0..1023 on each axis
constexpr int kRawHalf = 512;       // the first value of an axis' high half
constexpr int kCrossHalfSize = 16;  // pixels, both axes; the targets sit this far inside the edges

// The list index of the main window's calibration combo box.
enum class CalibrationMode { Corners = 0, Edges = 1 };

struct RawPoint {
    int16_t X;
    int16_t Y;

    bool operator==(const RawPoint& other) const { return X == other.X && Y == other.Y; }
};

// r1..r4 in target order: TOP-LEFT, TOP-RIGHT, DOWN-RIGHT, DOWN-LEFT for the corners,
// TOP, RIGHT, DOWN, LEFT for the edges.
using CalibrationReadings = std::array<RawPoint, 4>;

// Bits of the panel direction code; the driver swaps first, then mirrors.
constexpr uint8_t kMirrorX = 1;
constexpr uint8_t kMirrorY = 2;
constexpr uint8_t kSwapXY = 4;
constexpr uint8_t kUnknownDirection = 255;

struct CalibrationEdges {
    int16_t CalXMin;
    int16_t CalXMid;
    int16_t CalXMax;
    int16_t CalYMin;
    int16_t CalYMid;
    int16_t CalYMax;

    bool operator==(const CalibrationEdges& other) const {
        return CalXMin == other.CalXMin && CalXMid == other.CalXMid && CalXMax == other.CalXMax &&
               CalYMin == other.CalYMin && CalYMid == other.CalYMid && CalYMax == other.CalYMax;
    }
};

struct Calibration {
    CalibrationEdges edges;
    uint8_t PanelDirection;
};

// Pixels, as the DriverBlock holds them.
struct ScreenSize {
    int16_t width;
    int16_t height;
};

inline Calibration CalibrationOf(const DriverBlock& block) {
    return {
        {block.CalXMin, block.CalXMid, block.CalXMax, block.CalYMin, block.CalYMid, block.CalYMax},
        block.PanelDirection};
}

// Writes exactly the fields that IOCTL_SET_CALIBRATION applies.
inline void StoreCalibration(DriverBlock& block, const Calibration& calibration) {
    block.CalXMin = calibration.edges.CalXMin;
    block.CalXMid = calibration.edges.CalXMid;
    block.CalXMax = calibration.edges.CalXMax;
    block.CalYMin = calibration.edges.CalYMin;
    block.CalYMid = calibration.edges.CalYMid;
    block.CalYMax = calibration.edges.CalYMax;
    block.PanelDirection = calibration.PanelDirection;
}
