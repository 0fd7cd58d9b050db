// Private requests of the simulated touch driver, used by touchsim, the SMI stand-in and the
// test runner. Their device type (0xA357) keeps them apart from the touch driver's own codes.
#pragma once

#include "../../shared/core/driver_records.h"

constexpr uint32_t SimRequestCode(uint32_t function) {
    return (0xA357u << 16) | (function << 2);  // buffered, any access
}

enum SimRequest : uint32_t {
    SIM_TOUCH = SimRequestCode(0x901),       // SimTouch
    SIM_LIFT = SimRequestCode(0x902),        // SimEmpty
    SIM_GET_BLOCK = SimRequestCode(0x903),   // DriverBlock, not logged
    SIM_PUT_BLOCK = SimRequestCode(0x904),   // DriverBlock, replaces the whole block
    SIM_GET_WINDOWS = SimRequestCode(0x905), // SimWindows
    SIM_SET_SMI_WINDOW = SimRequestCode(0x906),  // WindowRecord: handle and rotation
    SIM_READ_LOG = SimRequestCode(0x907),    // SimLogPage (in: firstSequence wanted)
    SIM_CLEAR_LOG = SimRequestCode(0x908),   // SimEmpty
    SIM_RESET = SimRequestCode(0x909),       // SimEmpty: start-up settings read again
    SIM_GET_STATE = SimRequestCode(0x90A),   // SimState
    SIM_PEEK_TOUCH = SimRequestCode(0x90B),  // TouchReport as it stands: no sample, not counted
};

#pragma pack(push, 1)

struct SimEmpty {
    uint32_t Unused;
};

struct SimTouch {
    int16_t X;  // raw 0..1023
    int16_t Y;
    uint16_t Jitter;  // each sample lies within +-Jitter raw units of X, Y
    uint16_t Reserved;
};

struct SimWindows {
    int32_t RightButtonHandle;
    int16_t Armed;
    int16_t Reserved1;
    int32_t SmiHandle;
    int16_t Rotation;
    int16_t Reserved2;
};

struct SimLogEntry {
    uint32_t Sequence;
    uint32_t Code;
    uint32_t InLength;
    uint32_t OutLength;
    uint32_t Repeat;  // further identical touch reads folded into this entry
    uint8_t Accepted;
    uint8_t Reserved[3];
    uint8_t Data[sizeof(DriverBlock)];  // what the request carried in, when accepted
    uint8_t Reserved2[2];
};

constexpr uint32_t kSimLogPageEntries = 16;

struct SimLogPage {
    uint32_t FirstSequence;  // in: the first entry wanted; out: the first entry returned
    uint32_t Count;
    uint32_t NextSequence;  // the sequence number the next request will get
    uint32_t Dropped;       // entries lost to the bounded log before FirstSequence
    SimLogEntry Entries[kSimLogPageEntries];
};

struct SimState {
    int32_t CalibrationState;  // last IOCTL_SET_CALIBRATION_STATE command, -1 before any
    uint32_t SoundTests;       // IOCTL_SOUND_TEST requests since the start
    SoundTestRecord LastSoundTest;
    uint32_t TouchReads;
    uint16_t Counter;
    uint8_t Touched;
    uint8_t Reserved;
    ComResourceRecord Resources[9];  // as told with IOCTL_SET_COM_RESOURCES, COM1..COM9
};

#pragma pack(pop)

static_assert(sizeof(SimLogEntry) == 108, "log entry");
static_assert(sizeof(SimTouch) == 8, "touch");
