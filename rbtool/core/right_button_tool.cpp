#include "right_button_tool.h"

#include <cstdio>

#include "driver_requests.h"

ToolCommand CommandFor(uintptr_t wParam) {
    switch (wParam) {
        case 0x1000:
            return ToolCommand::Hide;
        case 0x1001:
            return ToolCommand::Show;
        case 0x100E:
            return ToolCommand::Quit;
        default:
            return ToolCommand::Unknown;
    }
}

std::string UnknownCommandText(uintptr_t wParam, intptr_t lParam) {
    char text[96];
    std::snprintf(text, sizeof text, "RBF_WndProc Fail! wParam=%llXh, lParam=%llXh",
                  static_cast<unsigned long long>(wParam),
                  static_cast<unsigned long long>(static_cast<uintptr_t>(lParam)));
    return text;
}

StartDecision DecideStart(int32_t registeredHandle, bool registeredWindowIsOurTool) {
    if (registeredHandle == kNoWindow || !registeredWindowIsOurTool) return StartDecision::Register;
    return StartDecision::HandOver;
}

RightButtonRegistration::RightButtonRegistration(DriverPort& driver, int32_t ownHandle)
    : driver_(driver), ownHandle_(ownHandle), record_{kNoWindow, 0, 0} {}

int32_t RightButtonRegistration::query() {
    driver_.transact(IOCTL_GET_RB_WINDOW, record_);
    return record_.Handle;
}

void RightButtonRegistration::registerIdle() {
    set(ownHandle_, 0);
}

void RightButtonRegistration::arm() {
    set(ownHandle_, 1);
}

void RightButtonRegistration::disarm() {
    set(ownHandle_, 0);
}

bool RightButtonRegistration::stillArmed() {
    driver_.transact(IOCTL_GET_RB_WINDOW, record_);
    return record_.Word != 0;
}

void RightButtonRegistration::unregister() {
    set(kNoWindow, 0);
}

void RightButtonRegistration::set(int32_t handle, int16_t armed) {
    record_.Handle = handle;
    record_.Word = armed;
    driver_.transact(IOCTL_SET_RB_WINDOW, record_);
}
