// The default settings the setup program copies from "setup.ini" into the configuration key:
// which keys it reads, their ranges, and which registry values they become.
#pragma once

#include <stdint.h>

#include <array>
#include <functional>
#include <string>
#include <vector>

constexpr char kSettingsSection[] = "Settings";

struct SettingRange {
    const char* key;  // in the "Settings" section
    int32_t min;
    int32_t max;
};

// Every key of the section, in the order they are read.
extern const std::array<SettingRange, 20> kSettingRanges;

enum class SettingClass { Absent, TooSmall, TooLarge, Valid };

struct SettingReading {
    SettingClass kind = SettingClass::Absent;
    uint32_t value = 0;  // only for a valid reading
};

// An empty text is absent; otherwise its leading number, rounded, against min and max.
SettingReading ClassifySetting(const std::string& text, int32_t min, int32_t max);

// byte3 is the most significant byte.
uint32_t PackBytes(uint32_t byte3, uint32_t byte2, uint32_t byte1, uint32_t byte0);

struct SettingWrite {
    std::string name;  // the REG_DWORD value under the configuration key
    uint32_t value;
};

// The values to write, in writing order: each valid setting, and each packed group only when
// all four of its parts are valid. text(key) gives a key's cleaned text, empty when missing.
std::vector<SettingWrite> PlanSettingWrites(const std::function<std::string(const char*)>& text);
