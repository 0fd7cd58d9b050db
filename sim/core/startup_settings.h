// The driver's start-up settings, read from DWORD values of the configuration key.
#pragma once

#include "../../shared/core/driver_records.h"

enum StartupValue : uint8_t {
    VirtualButton,
    RightButtonFunction,
    RightButtonAutomatic,
    FeedbackSound,
    FeedbackTone,
    FeedbackDuration,
    MouseSpeed,
    PanelDirection,
    StartupValueCount
};

// Value names under the configuration key, in StartupValue order.
constexpr const wchar_t* kStartupValueNames[StartupValueCount] = {
    L"VirtualButton", L"RightButtonFunction", L"RightButtonAutomatic", L"FeedbackSound",
    L"FeedbackTone",  L"FeedbackDuration",    L"MouseSpeed",           L"PanelDirection"};

struct StartupValues {
    bool present[StartupValueCount];
    uint32_t value[StartupValueCount];
};

// The block the simulated controller starts with before any stored setting applies.
void FillFactoryBlock(DriverBlock& block);

// Applies each present value that is in range; a missing or out-of-range value keeps what the
// block holds. Packed values apply whole or not at all.
void ApplyStartupValues(DriverBlock& block, const StartupValues& values);
