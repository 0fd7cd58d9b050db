// The worked calibration examples and readable printing of readings and edges.
#pragma once

#include <ostream>

#include "calibration_types.h"

inline void PrintTo(const RawPoint& point, std::ostream* out) {
    *out << "(" << point.X << ", " << point.Y << ")";
}

inline void PrintTo(const CalibrationEdges& edges, std::ostream* out) {
    *out << "X " << edges.CalXMin << "/" << edges.CalXMid << "/" << edges.CalXMax << ", Y "
         << edges.CalYMin << "/" << edges.CalYMid << "/" << edges.CalYMax;
}

constexpr ScreenSize kScreen1024x768{1024, 768};

// A panel wired straight, touched at TOP-LEFT, TOP-RIGHT, DOWN-RIGHT, DOWN-LEFT.
constexpr CalibrationReadings kCorners{{{100, 80}, {900, 84}, {904, 950}, {102, 946}}};
constexpr CalibrationEdges kCornersOn1024x768{88, 501, 915, 63, 515, 967};

// The same panel touched at TOP, RIGHT, DOWN, LEFT.
constexpr CalibrationReadings kEdgeMiddles{{{505, 90}, {905, 520}, {508, 940}, {98, 516}}};
constexpr CalibrationEdges kEdgeMiddlesOn1024x768{85, 506, 918, 71, 518, 958};
