#include "sessions.h"

bool AtPhysicalConsole(const SessionFacts& facts) {
    if (facts.remoteMetric || facts.consoleSession == kNoConsoleSession) return false;
    return facts.ownSession == facts.consoleSession;
}

bool SessionChangeBreaksOff(uint32_t code) {
    switch (code) {
        case kSessionConsoleDisconnect:
        case kSessionRemoteDisconnect:
        case kSessionLogoff:
        case kSessionLock:
            return true;
        default:
            return false;
    }
}
