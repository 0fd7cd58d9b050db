// The simulated touch controller and driver state behind the control device. Freestanding:
// the kernel-mode driver keeps one zero-initialised instance and serialises calls to it.
#pragma once

#include "sim_protocol.h"
#include "startup_settings.h"

constexpr uint32_t kSimLogCapacity = 256;
constexpr uint64_t kSamplePeriodMicroseconds = 4000;  // a finger that stays down reports at 250 Hz

struct SimRegisteredWindow {
    int32_t handle;
    int16_t word;
};

class SimulatedDriver {
public:
    static constexpr int32_t kRefused = -1;

    // Back to the start-up settings: block, registrations, touch state and kept records.
    // The log is kept.
    void reset(const StartupValues& values);

    // One request on a buffered system buffer of max(inLength, outLength) bytes. Returns the
    // number of bytes to hand back, or kRefused: then the buffer is untouched.
    int32_t handle(uint32_t code, void* buffer, uint32_t inLength, uint32_t outLength,
                   uint64_t nowMicroseconds);

private:
    int32_t handleDriverRequest(uint32_t code, uint8_t* buffer, uint64_t now);
    int32_t handlePrivateRequest(uint32_t code, uint8_t* buffer, uint32_t inLength,
                                 uint32_t outLength, uint64_t now);
    void log(uint32_t code, const uint8_t* buffer, uint32_t inLength, uint32_t outLength,
             bool accepted);
    void readLog(SimLogPage& page) const;
    void fingerDown(const SimTouch& touch, uint64_t now);
    void fingerUp();
    void takeSample(uint64_t now);

    DriverBlock block_;
    SimRegisteredWindow rightButton_;
    SimRegisteredWindow smi_;
    uint32_t touchDownsWhenArmed_;  // touch-downs counted when the flag was last set
    uint32_t touchDowns_;
    bool fingerDown_;
    SimTouch finger_;
    TouchReport report_;
    uint64_t lastSampleMicroseconds_;
    uint32_t random_;
    int32_t calibrationState_;
    uint32_t soundTests_;
    SoundTestRecord lastSoundTest_;
    uint32_t touchReads_;
    ComResourceRecord resources_[9];
    SimLogEntry log_[kSimLogCapacity];
    uint32_t nextSequence_;
    uint32_t clearedBefore_;  // entries below this sequence number were cleared
};
