// The restart routine the setup and removal programs share: the shutdown privilege, then the
// request to restart, with the failure text a user is shown when any step is refused.
#pragma once

#include <stdint.h>

#include <string>

constexpr uint32_t kRestartTokenAccess = 40;  // TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY
constexpr char kShutdownPrivilege[] = "SeShutdownPrivilege";
constexpr uint32_t kRestartFlags = 18;  // EWX_REBOOT | EWX_FORCEIFHUNG
constexpr uint32_t kRestartReason = 0;
// AdjustTokenPrivileges succeeds with this error when the token lacks the privilege.
constexpr uint32_t kErrorNotAllAssigned = 1300;

// A call's result and the thread's last error read right after it, cleared right before it.
struct CallOutcome {
    bool succeeded;
    uint32_t lastError;
};

class ShutdownApi {
public:
    virtual ~ShutdownApi() = default;
    // OpenProcessToken of the current process with kRestartTokenAccess; keeps the token.
    virtual bool openProcessToken() = 0;
    // LookupPrivilegeValueA of kShutdownPrivilege on the local system.
    virtual CallOutcome lookupShutdownPrivilege() = 0;
    // AdjustTokenPrivileges enabling that one privilege in the kept token.
    virtual CallOutcome enableShutdownPrivilege() = 0;
    // ExitWindowsEx(kRestartFlags, kRestartReason).
    virtual bool exitWindows() = 0;
    virtual void closeProcessToken() = 0;
};

struct RestartResult {
    bool accepted = false;
    std::string failure;  // "Fail to restart system! (...)" when not accepted
};

// Stops at the first refused step; the token is closed whenever it was opened.
RestartResult RequestRestart(ShutdownApi& api);
