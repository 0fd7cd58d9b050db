// Any settings file text: the number reading never crashes, and nothing outside a setting's
// range is ever planned for the registry.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "setup_number.h"
#include "setup_settings.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string text = CleanProfileText(std::string(reinterpret_cast<const char*>(data), size));
    int64_t number = RoundedLeadingNumber(text);
    if (number > kNumberSaturation || number < -kNumberSaturation) std::abort();
    for (const SettingRange& range : kSettingRanges) {
        SettingReading reading = ClassifySetting(text, range.min, range.max);
        if (reading.kind == SettingClass::Valid &&
            (int64_t(reading.value) < range.min || int64_t(reading.value) > range.max))
            std::abort();
    }
    // every key holds the same text: what is planned must be a valid reading of it
    auto plan = PlanSettingWrites([&](const char*) { return text; });
    for (const SettingWrite& write : plan)
        if (write.name.empty()) std::abort();
    return 0;
}
