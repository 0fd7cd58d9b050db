#include "restart_windows.h"

#include <windows.h>

#include "plain_message.h"
#include "restart_request.h"

static_assert(kRestartTokenAccess == (TOKEN_ADJUST_PRIVILEGES | TOKEN_QUERY));
static_assert(kRestartFlags == (EWX_REBOOT | EWX_FORCEIFHUNG));
static_assert(kErrorNotAllAssigned == ERROR_NOT_ALL_ASSIGNED);

namespace {

class Win32Shutdown : public ShutdownApi {
public:
    bool openProcessToken() override {
        return OpenProcessToken(GetCurrentProcess(), kRestartTokenAccess, &token_) != FALSE;
    }

    CallOutcome lookupShutdownPrivilege() override {
        SetLastError(0);
        bool found = LookupPrivilegeValueA(nullptr, kShutdownPrivilege, &privilege_) != FALSE;
        return {found, GetLastError()};
    }

    CallOutcome enableShutdownPrivilege() override {
        TOKEN_PRIVILEGES enabled{};
        enabled.PrivilegeCount = 1;
        enabled.Privileges[0].Luid = privilege_;
        enabled.Privileges[0].Attributes = SE_PRIVILEGE_ENABLED;
        // the previous state is not asked for: nothing restores it before the restart
        SetLastError(0);
        bool adjusted =
            AdjustTokenPrivileges(token_, FALSE, &enabled, 0, nullptr, nullptr) != FALSE;
        return {adjusted, GetLastError()};
    }

    bool exitWindows() override { return ExitWindowsEx(kRestartFlags, kRestartReason) != FALSE; }

    void closeProcessToken() override {
        if (token_) CloseHandle(token_);
        token_ = nullptr;
    }

private:
    HANDLE token_ = nullptr;
    LUID privilege_{};
};

}  // namespace

bool RestartWindows(const std::string& programTitle) {
    Win32Shutdown shutdown;
    RestartResult result = RequestRestart(shutdown);
    if (!result.accepted) ShowPlainMessage(result.failure, programTitle);
    return result.accepted;
}
