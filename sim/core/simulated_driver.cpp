#include "simulated_driver.h"

#include "../../shared/core/driver_requests.h"

namespace {

void CopyBytes(void* to, const void* from, uint32_t count) {
    __builtin_memcpy(to, from, count);
}

int16_t ClampRaw(int32_t value) {
    if (value < 0) return 0;
    if (value > 1023) return 1023;
    return int16_t(value);
}

template <typename Record>
bool Fits(uint32_t inLength, uint32_t outLength) {
    return inLength == sizeof(Record) && outLength == sizeof(Record);
}

}  // namespace

void SimulatedDriver::reset(const StartupValues& values) {
    FillFactoryBlock(block_);
    ApplyStartupValues(block_, values);
    rightButton_ = {kNoWindow, 0};
    smi_ = {kNoWindow, 0};
    touchDownsWhenArmed_ = 0;
    touchDowns_ = 0;
    fingerDown_ = false;
    finger_ = SimTouch{};
    report_ = TouchReport{};
    report_.X = 512;
    report_.Y = 512;
    lastSampleMicroseconds_ = 0;
    random_ = 0x2545F491u;
    calibrationState_ = -1;
    soundTests_ = 0;
    lastSoundTest_ = SoundTestRecord{};
    touchReads_ = 0;
    for (int port = 0; port < 9; ++port)
        resources_[port] = {port + 1, -1, -1, -1, -1, -1, -1};
}

int32_t SimulatedDriver::handle(uint32_t code, void* buffer, uint32_t inLength,
                                uint32_t outLength, uint64_t now) {
    uint8_t* bytes = static_cast<uint8_t*>(buffer);
    if ((code >> 16) == 0xA357u) {
        if (bytes == nullptr) return kRefused;
        return handlePrivateRequest(code, bytes, inLength, outLength, now);
    }
    const DriverRequest* request = FindDriverRequest(code);
    bool accepted = request != nullptr && bytes != nullptr && inLength == request->length &&
                    outLength == request->length;
    log(code, accepted ? bytes : nullptr, inLength, outLength, accepted);
    if (!accepted) return kRefused;
    return handleDriverRequest(code, bytes, now);
}

int32_t SimulatedDriver::handleDriverRequest(uint32_t code, uint8_t* buffer, uint64_t now) {
    const DriverRequest& request = *FindDriverRequest(code);
    if (request.rangeCount > 0) {
        uint8_t* held = reinterpret_cast<uint8_t*>(&block_);
        for (uint32_t offset = 0; offset < sizeof(DriverBlock); ++offset)
            if (RequestAppliesByte(request, offset)) held[offset] = buffer[offset];
        CopyBytes(buffer, &block_, sizeof(DriverBlock));
        return sizeof(DriverBlock);
    }
    switch (code) {
        case IOCTL_READ_SETTINGS:
            CopyBytes(buffer, &block_, sizeof(DriverBlock));
            break;
        case IOCTL_READ_TOUCH:
            ++touchReads_;
            if (fingerDown_ && now - lastSampleMicroseconds_ >= kSamplePeriodMicroseconds)
                takeSample(now);
            CopyBytes(buffer, &report_, sizeof(TouchReport));
            break;
        case IOCTL_SET_CALIBRATION_STATE: {
            CalibrationStateCommand command;
            CopyBytes(&command, buffer, sizeof command);
            calibrationState_ = command.State;
            break;
        }
        case IOCTL_SET_COM_RESOURCES: {
            ComResourceRecord record;
            CopyBytes(&record, buffer, sizeof record);
            if (record.ComNumber >= 1 && record.ComNumber <= 9)
                resources_[record.ComNumber - 1] = record;
            break;
        }
        case IOCTL_GET_RB_WINDOW:
        case IOCTL_GET_SMI_WINDOW: {
            const SimRegisteredWindow& window = code == IOCTL_GET_RB_WINDOW ? rightButton_ : smi_;
            WindowRecord record{window.handle, window.word, 0};
            CopyBytes(buffer, &record, sizeof record);
            break;
        }
        case IOCTL_SET_RB_WINDOW: {
            WindowRecord record;
            CopyBytes(&record, buffer, sizeof record);
            bool withdrawn = record.Handle == kNoWindow;
            rightButton_ = {record.Handle, withdrawn ? int16_t(0) : record.Word};
            touchDownsWhenArmed_ = touchDowns_;
            break;
        }
        case IOCTL_SOUND_TEST:
            ++soundTests_;
            CopyBytes(&lastSoundTest_, buffer, sizeof lastSoundTest_);
            break;
    }
    return int32_t(request.length);
}

int32_t SimulatedDriver::handlePrivateRequest(uint32_t code, uint8_t* buffer, uint32_t inLength,
                                              uint32_t outLength, uint64_t now) {
    switch (code) {
        case SIM_TOUCH: {
            if (!Fits<SimTouch>(inLength, outLength)) return kRefused;
            SimTouch touch;
            CopyBytes(&touch, buffer, sizeof touch);
            fingerDown(touch, now);
            return sizeof touch;
        }
        case SIM_LIFT:
        case SIM_CLEAR_LOG:
            if (!Fits<SimEmpty>(inLength, outLength)) return kRefused;
            if (code == SIM_LIFT) fingerUp();
            else clearedBefore_ = nextSequence_;
            return sizeof(SimEmpty);
        case SIM_GET_BLOCK:
            if (!Fits<DriverBlock>(inLength, outLength)) return kRefused;
            CopyBytes(buffer, &block_, sizeof block_);
            return sizeof block_;
        case SIM_PUT_BLOCK:
            if (!Fits<DriverBlock>(inLength, outLength)) return kRefused;
            CopyBytes(&block_, buffer, sizeof block_);
            return sizeof block_;
        case SIM_GET_WINDOWS: {
            if (!Fits<SimWindows>(inLength, outLength)) return kRefused;
            SimWindows windows{rightButton_.handle, rightButton_.word, 0, smi_.handle, smi_.word, 0};
            CopyBytes(buffer, &windows, sizeof windows);
            return sizeof windows;
        }
        case SIM_SET_SMI_WINDOW: {
            if (!Fits<WindowRecord>(inLength, outLength)) return kRefused;
            WindowRecord record;
            CopyBytes(&record, buffer, sizeof record);
            smi_ = {record.Handle, record.Handle == kNoWindow ? int16_t(0) : record.Word};
            return sizeof record;
        }
        case SIM_READ_LOG: {
            if (!Fits<SimLogPage>(inLength, outLength)) return kRefused;
            SimLogPage& page = *reinterpret_cast<SimLogPage*>(buffer);
            readLog(page);
            return sizeof page;
        }
        case SIM_PEEK_TOUCH:
            if (!Fits<TouchReport>(inLength, outLength)) return kRefused;
            CopyBytes(buffer, &report_, sizeof report_);
            return sizeof report_;
        case SIM_GET_STATE: {
            if (!Fits<SimState>(inLength, outLength)) return kRefused;
            SimState state;
            state.CalibrationState = calibrationState_;
            state.SoundTests = soundTests_;
            state.LastSoundTest = lastSoundTest_;
            state.TouchReads = touchReads_;
            state.Counter = uint16_t(report_.Counter);
            state.Touched = fingerDown_ ? 1 : 0;
            state.Reserved = 0;
            for (int port = 0; port < 9; ++port) state.Resources[port] = resources_[port];
            CopyBytes(buffer, &state, sizeof state);
            return sizeof state;
        }
        default:
            return kRefused;  // SIM_RESET needs the registry and is answered by the driver shell
    }
}

void SimulatedDriver::log(uint32_t code, const uint8_t* buffer, uint32_t inLength,
                          uint32_t outLength, bool accepted) {
    if (accepted && code == IOCTL_READ_TOUCH && nextSequence_ > clearedBefore_) {
        SimLogEntry& last = log_[(nextSequence_ - 1) % kSimLogCapacity];
        if (last.Accepted && last.Code == IOCTL_READ_TOUCH) {
            ++last.Repeat;  // a touch poll would flood the log; fold it
            return;
        }
    }
    SimLogEntry& entry = log_[nextSequence_ % kSimLogCapacity];
    entry = SimLogEntry{};
    entry.Sequence = nextSequence_++;
    entry.Code = code;
    entry.InLength = inLength;
    entry.OutLength = outLength;
    entry.Accepted = accepted ? 1 : 0;
    if (accepted && buffer != nullptr)
        CopyBytes(entry.Data, buffer, inLength < sizeof entry.Data ? inLength : sizeof entry.Data);
}

void SimulatedDriver::readLog(SimLogPage& page) const {
    uint32_t oldest = nextSequence_ > kSimLogCapacity ? nextSequence_ - kSimLogCapacity : 0;
    if (oldest < clearedBefore_) oldest = clearedBefore_;
    uint32_t first = page.FirstSequence;
    page.Dropped = first < oldest ? oldest - first : 0;
    if (first < oldest) first = oldest;
    if (first > nextSequence_) first = nextSequence_;
    uint32_t count = nextSequence_ - first;
    if (count > kSimLogPageEntries) count = kSimLogPageEntries;
    page.FirstSequence = first;
    page.Count = count;
    page.NextSequence = nextSequence_;
    for (uint32_t i = 0; i < count; ++i)
        page.Entries[i] = log_[(first + i) % kSimLogCapacity];
    for (uint32_t i = count; i < kSimLogPageEntries; ++i) page.Entries[i] = SimLogEntry{};
}

void SimulatedDriver::fingerDown(const SimTouch& touch, uint64_t now) {
    if (!fingerDown_) ++touchDowns_;
    fingerDown_ = true;
    finger_ = touch;
    takeSample(now);
}

void SimulatedDriver::fingerUp() {
    if (!fingerDown_) return;
    fingerDown_ = false;
    report_.Flags = 0;
    report_.Counter = int16_t(uint16_t(report_.Counter) + 1);
    // the touch that followed the arming was the right click
    if (rightButton_.word != 0 && touchDowns_ > touchDownsWhenArmed_) rightButton_.word = 0;
}

void SimulatedDriver::takeSample(uint64_t now) {
    int32_t dx = 0, dy = 0;
    if (finger_.Jitter > 0) {
        uint32_t span = 2u * finger_.Jitter + 1u;
        random_ = random_ * 1664525u + 1013904223u;
        dx = int32_t((random_ >> 8) % span) - finger_.Jitter;
        random_ = random_ * 1664525u + 1013904223u;
        dy = int32_t((random_ >> 8) % span) - finger_.Jitter;
    }
    report_.X = ClampRaw(finger_.X + dx);
    report_.Y = ClampRaw(finger_.Y + dy);
    report_.Flags = kTouchedFlag;
    report_.Counter = int16_t(uint16_t(report_.Counter) + 1);
    lastSampleMicroseconds_ = now;
}
