// The program side of the touch driver's control device.
#pragma once

#include <windows.h>

#include "driver_port.h"
#include "driver_records.h"

class DriverChannel : public DriverPort {
public:
    DriverChannel() = default;
    ~DriverChannel() override { CloseTouchDriver(); }
    DriverChannel(const DriverChannel&) = delete;
    DriverChannel& operator=(const DriverChannel&) = delete;

    bool OpenTouchDriver();
    void CloseTouchDriver();
    bool isOpen() const { return handle_ != INVALID_HANDLE_VALUE; }

    using DriverPort::transact;
    bool transact(uint32_t code, void* buffer, uint32_t length) override;

    // One function a request; each sends its buffer and takes the answer back into it.
    bool ReadSettings(DriverBlock& block);
    bool ReadTouch(TouchReport& report);
    bool SetCalibrationState(CalibrationStateCommand& command);
    bool SetComIrq(DriverBlock& block);
    bool SetButtonMode(DriverBlock& block);
    bool SetSound(DriverBlock& block);
    bool SetMouseSpeed(DriverBlock& block);
    bool SetCalibration(DriverBlock& block);
    bool SetScreenSize(DriverBlock& block);
    bool SetSleepTime(DriverBlock& block);
    bool SetComResources(ComResourceRecord& record);
    bool GetRightButtonWindow(WindowRecord& record);
    bool SetRightButtonWindow(WindowRecord& record);
    bool GetSmiWindow(WindowRecord& record);
    bool SoundTest(SoundTestRecord& record);

private:
    HANDLE handle_ = INVALID_HANDLE_VALUE;
    DWORD bytesReturned_ = 0;
    OVERLAPPED overlapped_{};  // all zero: the handle is synchronous, every request completes
};

// "Fail to open NXWLHCOM.sys!" in the error box, titled with the program title.
void ReportOpenFailure(const char* programTitle);
