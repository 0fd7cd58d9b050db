#include "startup_settings.h"

namespace {

constexpr uint8_t Byte(uint32_t value, int index) { return uint8_t(value >> (8 * index)); }

bool InRange(uint32_t value, uint32_t low, uint32_t high) { return value >= low && value <= high; }

}  // namespace

void FillFactoryBlock(DriverBlock& block) {
    block = DriverBlock{};
    block.ComPort = 1;
    block.Com[0] = {0x3F8, 4, 0};
    block.Com[1] = {0x2F8, 3, 0};
    for (int port = 2; port < 9; ++port) block.Com[port] = {0, 255, 0};
    block.ButtonMode = 1;
    block.SoundMode = 2;
    block.SoundTone = 1000;
    block.SoundDuration = 30;
    block.SpeedH = 10;
    block.SpeedV = 10;
    block.Acceleration = 1;
    block.BaudIndex = 4;  // 9600 bits per second
    block.RightButtonOnTime = 1;
    block.RightButtonOffTime = 1;
    block.RightButtonBeep = 1;
    block.CalXMin = 40;
    block.CalXMid = 512;
    block.CalXMax = 983;
    block.CalYMin = 40;
    block.CalYMid = 512;
    block.CalYMax = 983;
    block.ScreenWidth = 1024;
    block.ScreenHeight = 768;
    block.McuMode = 1;
    block.McuVersion = 0x42;
    block.McuCode[0] = 0x4E;
    block.McuCode[1] = 0x58;
    block.McuCode[2] = 0x07;
    block.McuCode[3] = 0x05;
}

void ApplyStartupValues(DriverBlock& block, const StartupValues& values) {
    auto given = [&](StartupValue which, uint32_t low, uint32_t high) {
        return values.present[which] && InRange(values.value[which], low, high);
    };
    if (given(VirtualButton, 1, 4)) block.ButtonMode = uint8_t(values.value[VirtualButton]);
    if (given(RightButtonFunction, 0, 1))
        block.RightButtonEnable = uint8_t(values.value[RightButtonFunction]);
    if (values.present[RightButtonAutomatic]) {
        uint32_t packed = values.value[RightButtonAutomatic];
        if (InRange(Byte(packed, 3), 0, 1) && InRange(Byte(packed, 2), 0, 9) &&
            InRange(Byte(packed, 1), 0, 9) && InRange(Byte(packed, 0), 0, 1)) {
            block.RightButtonAuto = Byte(packed, 3);
            block.RightButtonOnTime = Byte(packed, 2);
            block.RightButtonOffTime = Byte(packed, 1);
            block.RightButtonBeep = Byte(packed, 0);
        }
    }
    if (given(FeedbackSound, 1, 4)) block.SoundMode = uint8_t(values.value[FeedbackSound]);
    if (given(FeedbackTone, 200, 5000)) block.SoundTone = int16_t(values.value[FeedbackTone]);
    if (given(FeedbackDuration, 10, 50))
        block.SoundDuration = int16_t(values.value[FeedbackDuration]);
    if (values.present[MouseSpeed]) {
        uint32_t packed = values.value[MouseSpeed];
        if (InRange(Byte(packed, 3), 1, 20) && InRange(Byte(packed, 2), 1, 20) &&
            InRange(Byte(packed, 1), 1, 4) && InRange(Byte(packed, 0), 0, 1)) {
            block.SpeedH = Byte(packed, 3);
            block.SpeedV = Byte(packed, 2);
            block.Acceleration = Byte(packed, 1);
            block.BypassMode = Byte(packed, 0);
        }
    }
    if (given(PanelDirection, 0, 7)) block.PanelDirection = uint8_t(values.value[PanelDirection]);
}
