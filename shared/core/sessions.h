// Windows sessions: where the program runs and which session changes end what it is doing.
#pragma once

#include <stdint.h>

// The console session Windows reports while no session is attached to the physical console.
constexpr uint32_t kNoConsoleSession = 0xFFFFFFFFu;

struct SessionFacts {
    bool remoteMetric = false;  // GetSystemMetrics(SM_REMOTESESSION)
    uint32_t ownSession = 0;
    uint32_t consoleSession = 0;  // the session attached to the physical console
};

// Only a session at the physical console has the touch screen in front of its user.
bool AtPhysicalConsole(const SessionFacts& facts);

// WM_WTSSESSION_CHANGE codes
constexpr uint32_t kSessionConsoleDisconnect = 0x2;
constexpr uint32_t kSessionRemoteDisconnect = 0x4;
constexpr uint32_t kSessionLogoff = 0x6;
constexpr uint32_t kSessionLock = 0x7;

// A lock, a disconnect or a log-off takes the screen from the user: whatever waits for a touch
// or a confirmation must end as if the user had broken it off.
bool SessionChangeBreaksOff(uint32_t code);
