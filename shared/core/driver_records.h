// The records exchanged with the touch driver through its control device, byte for byte.
// This header is freestanding (no standard library beyond the fixed-width types) because
// the simulated kernel-mode driver includes it as well as the programs.
#pragma once

#include <stddef.h>
#include <stdint.h>

static_assert(__BYTE_ORDER__ == __ORDER_LITTLE_ENDIAN__,
              "the driver records are little-endian and are used in place");

#pragma pack(push, 1)

// One serial port's slot in the DriverBlock.
struct ComPortSlot {
    int16_t Base;  // 0 = no usable resources; Irq then holds a status
    uint8_t Irq;   // when Base is 0: 255 not found, 254 used by another device, else an error code
    uint8_t Reserved;
};

// The driver's settings and state, 82 bytes.
struct DriverBlock {
    uint8_t Reserved0[3];
    uint8_t ComPort;  // 1..9, 0 = no controller found
    ComPortSlot Com[9];
    uint8_t ButtonMode;
    uint8_t SoundMode;
    int16_t SoundTone;
    int16_t SoundDuration;
    uint8_t Level;
    uint8_t BypassMode;
    uint8_t SpeedH;  // steps of 5 %
    uint8_t SpeedV;
    uint8_t Acceleration;
    uint8_t SleepTime;  // units of 10 seconds
    uint8_t BaudIndex;
    uint8_t RightButtonEnable;
    uint8_t RightButtonAuto;
    uint8_t RightButtonOnTime;
    uint8_t RightButtonOffTime;
    uint8_t RightButtonBeep;
    int16_t CalXMin;
    int16_t CalXMid;
    int16_t CalXMax;
    int16_t CalYMin;
    int16_t CalYMid;
    int16_t CalYMax;
    uint8_t PanelDirection;
    uint8_t Protocol;
    int16_t ScreenWidth;
    int16_t ScreenHeight;
    uint8_t McuMode;
    uint8_t McuVersion;  // 0x42 is version 4.2
    uint8_t McuCode[4];
};

constexpr uint8_t kTouchedFlag = 0x08;

struct TouchReport {
    int16_t X;
    int16_t Y;
    uint8_t Flags;  // kTouchedFlag while the screen is touched
    uint8_t Reserved;
    int16_t Counter;  // changes with every new sample
};

struct CalibrationStateCommand {
    int32_t State;  // 0 normal operation; 3, 4, 5 calibration steps
};

// Resources of one serial port; every field but ComNumber is -1 when not provided.
struct ComResourceRecord {
    int32_t ComNumber;  // 1..9, 0 = port absent
    int32_t FirstAddress;
    int32_t LastAddress;
    int32_t Irq;
    int32_t Status;
    int32_t Problem;
    int32_t Configuration;  // 1 allocated, 2 forced, 4 boot, 0 none
};

constexpr int32_t kNoWindow = -1;

struct WindowRecord {
    int32_t Handle;  // a window handle truncated to 32 bits, kNoWindow when none
    int16_t Word;    // rotation code (SMI tool) or armed flag (right-button tool)
    int16_t Reserved;
};

struct SoundTestRecord {
    int16_t Tone;
    int16_t Duration;
};

#pragma pack(pop)

static_assert(sizeof(ComPortSlot) == 4, "port slot");
static_assert(sizeof(DriverBlock) == 82, "DriverBlock is 82 bytes");
static_assert(offsetof(DriverBlock, ComPort) == 3, "ComPort");
static_assert(offsetof(DriverBlock, Com) == 4, "ComBase of COM1");
static_assert(offsetof(DriverBlock, Com) + 8 * sizeof(ComPortSlot) + 2 == 38, "ComIrq of COM9");
static_assert(offsetof(DriverBlock, ButtonMode) == 40, "ButtonMode");
static_assert(offsetof(DriverBlock, SoundMode) == 41, "SoundMode");
static_assert(offsetof(DriverBlock, SoundTone) == 42, "SoundTone");
static_assert(offsetof(DriverBlock, SoundDuration) == 44, "SoundDuration");
static_assert(offsetof(DriverBlock, Level) == 46, "Level");
static_assert(offsetof(DriverBlock, BypassMode) == 47, "BypassMode");
static_assert(offsetof(DriverBlock, SpeedH) == 48, "SpeedH");
static_assert(offsetof(DriverBlock, SpeedV) == 49, "SpeedV");
static_assert(offsetof(DriverBlock, Acceleration) == 50, "Acceleration");
static_assert(offsetof(DriverBlock, SleepTime) == 51, "SleepTime");
static_assert(offsetof(DriverBlock, BaudIndex) == 52, "BaudIndex");
static_assert(offsetof(DriverBlock, RightButtonEnable) == 53, "RightButtonEnable");
static_assert(offsetof(DriverBlock, RightButtonBeep) == 57, "RightButtonBeep");
static_assert(offsetof(DriverBlock, CalXMin) == 58, "CalXMin");
static_assert(offsetof(DriverBlock, CalYMax) == 68, "CalYMax");
static_assert(offsetof(DriverBlock, PanelDirection) == 70, "PanelDirection");
static_assert(offsetof(DriverBlock, Protocol) == 71, "Protocol");
static_assert(offsetof(DriverBlock, ScreenWidth) == 72, "ScreenWidth");
static_assert(offsetof(DriverBlock, ScreenHeight) == 74, "ScreenHeight");
static_assert(offsetof(DriverBlock, McuMode) == 76, "McuMode");
static_assert(offsetof(DriverBlock, McuVersion) == 77, "McuVersion");
static_assert(offsetof(DriverBlock, McuCode) == 78, "McuCode");
static_assert(sizeof(TouchReport) == 8 && offsetof(TouchReport, Flags) == 4 &&
                  offsetof(TouchReport, Counter) == 6,
              "TouchReport");
static_assert(sizeof(CalibrationStateCommand) == 4, "CalibrationStateCommand");
static_assert(sizeof(ComResourceRecord) == 28 && offsetof(ComResourceRecord, Configuration) == 24,
              "ComResourceRecord");
static_assert(sizeof(WindowRecord) == 8 && offsetof(WindowRecord, Word) == 4, "WindowRecord");
static_assert(sizeof(SoundTestRecord) == 4 && offsetof(SoundTestRecord, Duration) == 2,
              "SoundTestRecord");
