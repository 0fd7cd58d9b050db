#include "calibration_edges.h"

#include <stdint.h>

#include <algorithm>
#include <cmath>

namespace {

struct Axis {
    int min;
    int mid;
    int max;
    double lowExtension;   // raw units beyond min
    double highExtension;  // raw units beyond max
};

// The raw units under kCrossHalfSize pixels when rawSpan raw units lie under pixelSpan pixels.
double Extension(int rawSpan, double pixelSpan) {
    if (pixelSpan <= 0) return 0;
    return rawSpan * kCrossHalfSize / pixelSpan;
}

int16_t LowEdge(const Axis& axis) {
    return std::max<int16_t>(RoundHalfEven(axis.min - axis.lowExtension), 0);
}

int16_t HighEdge(const Axis& axis) {
    return std::min<int16_t>(RoundHalfEven(axis.max + axis.highExtension), kRawMax);
}

CalibrationEdges Edges(const Axis& x, const Axis& y) {
    // A middle lies between two 16-bit readings, so it stays in 16 bits.
    return {LowEdge(x), static_cast<int16_t>(x.mid), HighEdge(x),
            LowEdge(y), static_cast<int16_t>(y.mid), HighEdge(y)};
}

}  // namespace

int16_t RoundHalfEven(double value) {
    if (std::isnan(value)) return 0;
    if (value >= INT16_MAX) return INT16_MAX;
    if (value <= INT16_MIN) return INT16_MIN;
    double whole = std::floor(value);
    double fraction = value - whole;
    if (fraction > 0.5 || (fraction == 0.5 && std::fmod(whole, 2.0) != 0)) whole += 1;
    return static_cast<int16_t>(whole);
}

CalibrationEdges EdgesFromCorners(const CalibrationReadings& readings, ScreenSize screen) {
    const RawPoint& topLeft = readings[0];
    const RawPoint& topRight = readings[1];
    const RawPoint& downRight = readings[2];
    const RawPoint& downLeft = readings[3];
    int xMin = (topLeft.X + downLeft.X) / 2;
    int xMax = (topRight.X + downRight.X) / 2;
    int yMin = (topLeft.Y + topRight.Y) / 2;
    int yMax = (downRight.Y + downLeft.Y) / 2;
    int xMid = xMin + (xMax - xMin) / 2;
    int yMid = yMin + (yMax - yMin) / 2;
    double dx = Extension(xMax - xMin + 1, screen.width - 2 * kCrossHalfSize);
    double dy = Extension(yMax - yMin + 1, screen.height - 2 * kCrossHalfSize);
    return Edges({xMin, xMid, xMax, dx, dx}, {yMin, yMid, yMax, dy, dy});
}

CalibrationEdges EdgesFromEdgeMiddles(const CalibrationReadings& readings, ScreenSize screen) {
    const RawPoint& top = readings[0];
    const RawPoint& right = readings[1];
    const RawPoint& down = readings[2];
    const RawPoint& left = readings[3];
    // TOP and DOWN sit on the vertical middle line, LEFT and RIGHT on the horizontal one.
    int xMid = (down.X + top.X) / 2;
    int yMid = (right.Y + left.Y) / 2;
    // Each half is extended by itself, over half the screen taken exactly (odd sizes too).
    double halfWidth = screen.width / 2.0 - kCrossHalfSize;
    double halfHeight = screen.height / 2.0 - kCrossHalfSize;
    Axis x{left.X, xMid, right.X, Extension(xMid - left.X + 1, halfWidth),
           Extension(right.X - xMid + 1, halfWidth)};
    Axis y{top.Y, yMid, down.Y, Extension(yMid - top.Y + 1, halfHeight),
           Extension(down.Y - yMid + 1, halfHeight)};
    return Edges(x, y);
}
