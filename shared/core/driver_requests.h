// The touch driver's I/O control requests: codes, names, buffer lengths and the DriverBlock
// bytes each settings request applies. Freestanding, shared with the simulated driver.
#pragma once

#include "driver_records.h"

enum DriverRequestCode : uint32_t {
    IOCTL_READ_SETTINGS = 0x000F2010,
    IOCTL_READ_TOUCH = 0x000F2030,
    IOCTL_SET_CALIBRATION_STATE = 0x000F2040,
    IOCTL_SET_COM_IRQ = 0x000F2050,
    IOCTL_SET_BUTTON_MODE = 0x000F2060,
    IOCTL_SET_SOUND = 0x000F2070,
    IOCTL_SET_MOUSE_SPEED = 0x000F2090,
    IOCTL_SET_CALIBRATION = 0x000F20A0,
    IOCTL_SET_SCREEN_SIZE = 0x000F20B0,
    IOCTL_SET_SLEEP_TIME = 0x000F20C0,
    IOCTL_SET_COM_RESOURCES = 0x000F20D0,
    IOCTL_GET_RB_WINDOW = 0x000F3010,
    IOCTL_SET_RB_WINDOW = 0x000F3020,
    IOCTL_GET_SMI_WINDOW = 0x000F4010,
    IOCTL_SOUND_TEST = 0x000F5010,
};

// Inclusive byte ranges of the DriverBlock; a request applies the union of its ranges.
struct BlockByteRange {
    uint8_t first;
    uint8_t last;
};

struct DriverRequest {
    uint32_t code;
    const char* name;
    uint32_t length;                // the exact buffer length, in and out
    uint8_t rangeCount;             // 0 for requests that apply no DriverBlock field
    BlockByteRange ranges[4];
};

constexpr DriverRequest kDriverRequests[] = {
    {IOCTL_READ_SETTINGS, "IOCTL_READ_SETTINGS", sizeof(DriverBlock), 0, {}},
    {IOCTL_READ_TOUCH, "IOCTL_READ_TOUCH", sizeof(TouchReport), 0, {}},
    {IOCTL_SET_CALIBRATION_STATE, "IOCTL_SET_CALIBRATION_STATE", sizeof(CalibrationStateCommand),
     0, {}},
    // ComIrq of COM1 to COM4 only
    {IOCTL_SET_COM_IRQ, "IOCTL_SET_COM_IRQ", sizeof(DriverBlock), 4,
     {{6, 6}, {10, 10}, {14, 14}, {18, 18}}},
    {IOCTL_SET_BUTTON_MODE, "IOCTL_SET_BUTTON_MODE", sizeof(DriverBlock), 2, {{40, 40}, {53, 57}}},
    {IOCTL_SET_SOUND, "IOCTL_SET_SOUND", sizeof(DriverBlock), 1, {{41, 45}}},
    {IOCTL_SET_MOUSE_SPEED, "IOCTL_SET_MOUSE_SPEED", sizeof(DriverBlock), 1, {{47, 50}}},
    {IOCTL_SET_CALIBRATION, "IOCTL_SET_CALIBRATION", sizeof(DriverBlock), 1, {{58, 70}}},
    {IOCTL_SET_SCREEN_SIZE, "IOCTL_SET_SCREEN_SIZE", sizeof(DriverBlock), 1, {{72, 75}}},
    {IOCTL_SET_SLEEP_TIME, "IOCTL_SET_SLEEP_TIME", sizeof(DriverBlock), 1, {{51, 51}}},
    {IOCTL_SET_COM_RESOURCES, "IOCTL_SET_COM_RESOURCES", sizeof(ComResourceRecord), 0, {}},
    {IOCTL_GET_RB_WINDOW, "IOCTL_GET_RB_WINDOW", sizeof(WindowRecord), 0, {}},
    {IOCTL_SET_RB_WINDOW, "IOCTL_SET_RB_WINDOW", sizeof(WindowRecord), 0, {}},
    {IOCTL_GET_SMI_WINDOW, "IOCTL_GET_SMI_WINDOW", sizeof(WindowRecord), 0, {}},
    {IOCTL_SOUND_TEST, "IOCTL_SOUND_TEST", sizeof(SoundTestRecord), 0, {}},
};

constexpr size_t kDriverRequestCount = sizeof(kDriverRequests) / sizeof(kDriverRequests[0]);
static_assert(kDriverRequestCount == 15, "the driver answers fifteen requests");

// The request with this code, or null.
constexpr const DriverRequest* FindDriverRequest(uint32_t code) {
    for (const DriverRequest& request : kDriverRequests)
        if (request.code == code) return &request;
    return nullptr;
}

constexpr bool RequestAppliesByte(const DriverRequest& request, size_t offset) {
    for (uint8_t i = 0; i < request.rangeCount; ++i)
        if (offset >= request.ranges[i].first && offset <= request.ranges[i].last) return true;
    return false;
}

// A named DriverBlock field as the service tools show it.
enum class FieldFormat : uint8_t { Unsigned, Signed, HexBytes };

struct BlockField {
    const char* name;
    uint8_t offset;
    uint8_t width;  // bytes
    FieldFormat format;
};

constexpr BlockField kBlockFields[] = {
    {"Reserved0", 0, 3, FieldFormat::Unsigned},
    {"ComPort", 3, 1, FieldFormat::Unsigned},
    {"ComBase1", 4, 2, FieldFormat::Signed},
    {"ComIrq1", 6, 1, FieldFormat::Unsigned},
    {"ComBase2", 8, 2, FieldFormat::Signed},
    {"ComIrq2", 10, 1, FieldFormat::Unsigned},
    {"ComBase3", 12, 2, FieldFormat::Signed},
    {"ComIrq3", 14, 1, FieldFormat::Unsigned},
    {"ComBase4", 16, 2, FieldFormat::Signed},
    {"ComIrq4", 18, 1, FieldFormat::Unsigned},
    {"ComBase5", 20, 2, FieldFormat::Signed},
    {"ComIrq5", 22, 1, FieldFormat::Unsigned},
    {"ComBase6", 24, 2, FieldFormat::Signed},
    {"ComIrq6", 26, 1, FieldFormat::Unsigned},
    {"ComBase7", 28, 2, FieldFormat::Signed},
    {"ComIrq7", 30, 1, FieldFormat::Unsigned},
    {"ComBase8", 32, 2, FieldFormat::Signed},
    {"ComIrq8", 34, 1, FieldFormat::Unsigned},
    {"ComBase9", 36, 2, FieldFormat::Signed},
    {"ComIrq9", 38, 1, FieldFormat::Unsigned},
    {"ButtonMode", 40, 1, FieldFormat::Unsigned},
    {"SoundMode", 41, 1, FieldFormat::Unsigned},
    {"SoundTone", 42, 2, FieldFormat::Signed},
    {"SoundDuration", 44, 2, FieldFormat::Signed},
    {"Level", 46, 1, FieldFormat::Unsigned},
    {"BypassMode", 47, 1, FieldFormat::Unsigned},
    {"SpeedH", 48, 1, FieldFormat::Unsigned},
    {"SpeedV", 49, 1, FieldFormat::Unsigned},
    {"Acceleration", 50, 1, FieldFormat::Unsigned},
    {"SleepTime", 51, 1, FieldFormat::Unsigned},
    {"BaudIndex", 52, 1, FieldFormat::Unsigned},
    {"RightButtonEnable", 53, 1, FieldFormat::Unsigned},
    {"RightButtonAuto", 54, 1, FieldFormat::Unsigned},
    {"RightButtonOnTime", 55, 1, FieldFormat::Unsigned},
    {"RightButtonOffTime", 56, 1, FieldFormat::Unsigned},
    {"RightButtonBeep", 57, 1, FieldFormat::Unsigned},
    {"CalXMin", 58, 2, FieldFormat::Signed},
    {"CalXMid", 60, 2, FieldFormat::Signed},
    {"CalXMax", 62, 2, FieldFormat::Signed},
    {"CalYMin", 64, 2, FieldFormat::Signed},
    {"CalYMid", 66, 2, FieldFormat::Signed},
    {"CalYMax", 68, 2, FieldFormat::Signed},
    {"PanelDirection", 70, 1, FieldFormat::Unsigned},
    {"Protocol", 71, 1, FieldFormat::Unsigned},
    {"ScreenWidth", 72, 2, FieldFormat::Signed},
    {"ScreenHeight", 74, 2, FieldFormat::Signed},
    {"McuMode", 76, 1, FieldFormat::Unsigned},
    {"McuVersion", 77, 1, FieldFormat::Unsigned},
    {"McuCode", 78, 4, FieldFormat::HexBytes},
};

constexpr size_t kBlockFieldCount = sizeof(kBlockFields) / sizeof(kBlockFields[0]);
