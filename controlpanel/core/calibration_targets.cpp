#include "calibration_targets.h"

#include "calibration_edges.h"

CalibrationSurface SurfaceOf(int width, int height) {
    return {0,
            0,
            int16_t(width - 1),
            int16_t(height - 1),
            RoundHalfEven(width / 2.0 - 1),
            RoundHalfEven(height / 2.0 - 1)};
}

std::optional<CrossMark> CrossMarkOf(int target, const CalibrationSurface& surface) {
    const int s = kCrossHalfSize;
    const int L = surface.left, T = surface.top, R = surface.right, B = surface.bottom;
    const int CX = surface.centreX, CY = surface.centreY;
    // near edge: s - 1 and 2s - 1 inside; far edge: s + 1 and 2s + 1 inside
    const int nearX[3] = {L, L + s - 1, L + 2 * s - 1};
    const int farX[3] = {R - 2 * s - 1, R - s - 1, R};
    const int midX[3] = {CX - s - 1, CX, CX + s - 1};
    const int nearY[3] = {T, T + s - 1, T + 2 * s - 1};
    const int farY[3] = {B - 2 * s - 1, B - s - 1, B};
    const int midY[3] = {CY - s - 1, CY, CY + s - 1};
    auto cross = [](const int(&x)[3], const int(&y)[3]) {
        return CrossMark{x[0], x[1], x[2], y[0], y[1], y[2]};
    };
    switch (target) {
        case 1:
            return cross(nearX, nearY);
        case 2:
            return cross(farX, nearY);
        case 3:
            return cross(farX, farY);
        case 4:
            return cross(nearX, farY);
        case 5:
            return cross(midX, nearY);
        case 6:
            return cross(farX, midY);
        case 7:
            return cross(midX, farY);
        case 8:
            return cross(nearX, midY);
        default:
            return std::nullopt;
    }
}

const char* TargetName(int target) {
    static const char* const kNames[] = {"",    "TOP-LEFT", "TOP-RIGHT", "DOWN-RIGHT", "DOWN-LEFT",
                                         "TOP", "RIGHT",    "DOWN",      "LEFT"};
    return target >= kFirstTarget && target <= kLastTarget ? kNames[target] : "";
}

std::array<int, 4> TargetsOf(CalibrationMode mode) {
    if (mode == CalibrationMode::Corners) return {1, 2, 3, 4};
    return {5, 6, 7, 8};
}

std::optional<ActionLabelPlace> PlaceActionLabel(int target, const CalibrationSurface& surface,
                                                 int w, int h) {
    std::optional<CrossMark> mark = CrossMarkOf(target, surface);
    if (!mark) return std::nullopt;
    const CrossMark& c = *mark;
    switch (target) {
        case 1:
            return ActionLabelPlace{c.x2 + w, c.y2 - h, LabelAlignment::Left};
        case 2:
            return ActionLabelPlace{c.x1 - 2 * w, c.y2 - h, LabelAlignment::Right};
        case 3:
            return ActionLabelPlace{c.x1 - 2 * w, c.y1, LabelAlignment::Right};
        case 4:
            return ActionLabelPlace{c.x2 + w, c.y1, LabelAlignment::Left};
        case 5:
            return ActionLabelPlace{c.xc - w / 2, c.y2 + h, LabelAlignment::Centre};
        case 6:
            return ActionLabelPlace{c.x1 - 2 * w, c.yc - h / 2, LabelAlignment::Right};
        case 7:
            return ActionLabelPlace{c.xc - w / 2, c.y1 - 2 * h, LabelAlignment::Centre};
        default:
            return ActionLabelPlace{c.x2 + w, c.yc - h / 2, LabelAlignment::Left};
    }
}

int AlignedLeft(const ActionLabelPlace& place, int placedWidth, int textWidth) {
    switch (place.alignment) {
        case LabelAlignment::Right:
            return place.left + placedWidth - textWidth;
        case LabelAlignment::Centre:
            return place.left + (placedWidth - textWidth) / 2;
        default:
            return place.left;
    }
}
