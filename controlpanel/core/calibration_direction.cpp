#include "calibration_direction.h"

#include "calibration_transform.h"

namespace {

char Half(int16_t value) {
    return value >= kRawHalf ? '1' : '0';
}

}  // namespace

std::string BuildDirectionPattern(const CalibrationReadings& readings, CalibrationMode mode) {
    CalibrationReadings corners = readings;
    if (mode == CalibrationMode::Edges) {
        const RawPoint& top = readings[0];
        const RawPoint& right = readings[1];
        const RawPoint& down = readings[2];
        const RawPoint& left = readings[3];
        corners = {{{left.X, top.Y}, {right.X, top.Y}, {right.X, down.Y}, {left.X, down.Y}}};
    }
    std::string pattern;
    for (const RawPoint& point : corners) {
        pattern += Half(point.X);
        pattern += Half(point.Y);
    }
    return pattern;
}

uint8_t MatchDirectionPattern(const std::string& pattern) {
    static const char* const kKnown[] = {"00101101", "10000111", "01111000", "11010010"};
    for (uint8_t code = 0; code < 4; ++code)
        if (pattern == kKnown[code]) return code;
    return kUnknownDirection;
}

PanelDirectionCheck CheckPanelDirection(const CalibrationReadings& readings, CalibrationMode mode) {
    std::string asRead = BuildDirectionPattern(readings, mode);
    uint8_t code = MatchDirectionPattern(asRead);
    if (code != kUnknownDirection) return {true, code, readings, std::string()};

    CalibrationReadings swapped = SwapReadings(readings);
    std::string afterSwap = BuildDirectionPattern(swapped, mode);
    code = MatchDirectionPattern(afterSwap);
    if (code != kUnknownDirection)
        return {true, static_cast<uint8_t>(code | kSwapXY), swapped, std::string()};

    return {false, kUnknownDirection, swapped,
            "Incorrect Panel Direction! (" + asRead + "-" + afterSwap + ")\r\n\r\n" +
                "Please checkout the pinout of your touch panel."};
}
