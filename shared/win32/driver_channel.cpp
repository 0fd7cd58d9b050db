#include "driver_channel.h"

#include <cstring>

#include "driver_requests.h"
#include "message_boxes.h"

bool DriverChannel::OpenTouchDriver() {
    if (isOpen()) return true;
    SECURITY_ATTRIBUTES security{};
    handle_ = CreateFileA("\\\\.\\NXWLHCOM", GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE,
                          &security, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    return isOpen();
}

void DriverChannel::CloseTouchDriver() {
    if (!isOpen()) return;
    CloseHandle(handle_);
    handle_ = INVALID_HANDLE_VALUE;
}

bool DriverChannel::transact(uint32_t code, void* buffer, uint32_t length) {
    if (!isOpen() || buffer == nullptr || length == 0 || length > sizeof(DriverBlock)) return false;
    // the answer lands in a copy first, so a failed request leaves the caller's buffer alone
    uint8_t answer[sizeof(DriverBlock)];
    std::memcpy(answer, buffer, length);
    overlapped_ = OVERLAPPED{};
    bytesReturned_ = 0;
    BOOL ok = DeviceIoControl(handle_, code, answer, length, answer, length, &bytesReturned_,
                              &overlapped_);
    if (!ok) return false;
    std::memcpy(buffer, answer, length);
    return true;
}

bool DriverChannel::ReadSettings(DriverBlock& block) { return transact(IOCTL_READ_SETTINGS, block); }
bool DriverChannel::ReadTouch(TouchReport& report) { return transact(IOCTL_READ_TOUCH, report); }
bool DriverChannel::SetCalibrationState(CalibrationStateCommand& command) {
    return transact(IOCTL_SET_CALIBRATION_STATE, command);
}
bool DriverChannel::SetComIrq(DriverBlock& block) { return transact(IOCTL_SET_COM_IRQ, block); }
bool DriverChannel::SetButtonMode(DriverBlock& block) {
    return transact(IOCTL_SET_BUTTON_MODE, block);
}
bool DriverChannel::SetSound(DriverBlock& block) { return transact(IOCTL_SET_SOUND, block); }
bool DriverChannel::SetMouseSpeed(DriverBlock& block) {
    return transact(IOCTL_SET_MOUSE_SPEED, block);
}
bool DriverChannel::SetCalibration(DriverBlock& block) {
    return transact(IOCTL_SET_CALIBRATION, block);
}
bool DriverChannel::SetScreenSize(DriverBlock& block) {
    return transact(IOCTL_SET_SCREEN_SIZE, block);
}
bool DriverChannel::SetSleepTime(DriverBlock& block) { return transact(IOCTL_SET_SLEEP_TIME, block); }
bool DriverChannel::SetComResources(ComResourceRecord& record) {
    return transact(IOCTL_SET_COM_RESOURCES, record);
}
bool DriverChannel::GetRightButtonWindow(WindowRecord& record) {
    return transact(IOCTL_GET_RB_WINDOW, record);
}
bool DriverChannel::SetRightButtonWindow(WindowRecord& record) {
    return transact(IOCTL_SET_RB_WINDOW, record);
}
bool DriverChannel::GetSmiWindow(WindowRecord& record) {
    return transact(IOCTL_GET_SMI_WINDOW, record);
}
bool DriverChannel::SoundTest(SoundTestRecord& record) { return transact(IOCTL_SOUND_TEST, record); }

void ReportOpenFailure(const char* programTitle) {
    ShowErrorBox("Fail to open NXWLHCOM.sys!", programTitle);
}
