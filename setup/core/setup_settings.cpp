#include "setup_settings.h"

#include <map>

#include "setup_number.h"

const std::array<SettingRange, 20> kSettingRanges = {{
    {"CalibrationMode", 0, 1},     {"VirtualButton", 1, 4},        {"RightButtonFunction", 0, 1},
    {"RightButtonAutoMode", 0, 1}, {"RightButtonAutoSTime", 0, 9}, {"RightButtonAutoETime", 0, 9},
    {"RightButtonAutoBeep", 0, 1}, {"FeedbackSound", 1, 4},        {"FeedbackTone", 200, 5000},
    {"FeedbackDuration", 10, 50},  {"MouseBypass", 0, 1},          {"MouseHSpeed", 1, 20},
    {"MouseVSpeed", 1, 20},        {"MouseAcceleration", 1, 4},    {"DoubleClickSpeed", 100, 900},
    {"DoubleClickWidth", 0, 64},   {"DoubleClickHeight", 0, 64},   {"PanelDirection", 0, 7},
    {"AutoScanCOM", 0, 9},         {"AutoScanDevice", 0, 99999},
}};

namespace {

// A registry value and the keys it is made of: one key, or four packed from byte 3 down.
struct SettingValue {
    const char* name;
    std::vector<const char*> parts;
};

const std::vector<SettingValue> kWriteOrder = {
    {"CalibrationMode", {"CalibrationMode"}},
    {"VirtualButton", {"VirtualButton"}},
    {"RightButtonFunction", {"RightButtonFunction"}},
    {"RightButtonAutomatic",
     {"RightButtonAutoMode", "RightButtonAutoSTime", "RightButtonAutoETime",
      "RightButtonAutoBeep"}},
    {"FeedbackSound", {"FeedbackSound"}},
    {"FeedbackTone", {"FeedbackTone"}},
    {"FeedbackDuration", {"FeedbackDuration"}},
    {"MouseSpeed", {"MouseHSpeed", "MouseVSpeed", "MouseAcceleration", "MouseBypass"}},
    {"DoubleClickSpeed", {"DoubleClickSpeed"}},
    {"DoubleClickWidth", {"DoubleClickWidth"}},
    {"DoubleClickHeight", {"DoubleClickHeight"}},
    {"PanelDirection", {"PanelDirection"}},
    {"AutoScanCOM", {"AutoScanCOM"}},
    {"AutoScanDevice", {"AutoScanDevice"}},
};

}  // namespace

SettingReading ClassifySetting(const std::string& text, int32_t min, int32_t max) {
    if (text.empty()) return {};
    int64_t number = RoundedLeadingNumber(text);
    if (number < min) return {SettingClass::TooSmall, 0};
    if (number > max) return {SettingClass::TooLarge, 0};
    return {SettingClass::Valid, uint32_t(number)};
}

uint32_t PackBytes(uint32_t byte3, uint32_t byte2, uint32_t byte1, uint32_t byte0) {
    return (byte3 & 0xFF) << 24 | (byte2 & 0xFF) << 16 | (byte1 & 0xFF) << 8 | (byte0 & 0xFF);
}

std::vector<SettingWrite> PlanSettingWrites(const std::function<std::string(const char*)>& text) {
    std::map<std::string, SettingReading> readings;
    for (const SettingRange& range : kSettingRanges)
        readings[range.key] = ClassifySetting(text(range.key), range.min, range.max);

    std::vector<SettingWrite> writes;
    for (const SettingValue& value : kWriteOrder) {
        std::vector<uint32_t> parts;
        for (const char* part : value.parts) {
            const SettingReading& reading = readings[part];
            if (reading.kind != SettingClass::Valid) break;
            parts.push_back(reading.value);
        }
        if (parts.size() != value.parts.size()) continue;
        uint32_t number =
            parts.size() == 4 ? PackBytes(parts[0], parts[1], parts[2], parts[3]) : parts[0];
        writes.push_back({value.name, number});
    }
    return writes;
}
