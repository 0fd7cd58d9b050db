#include "restart_request.h"

namespace {

RestartResult Refused(const std::string& step) {
    return {false, "Fail to restart system! (" + step + ")"};
}

RestartResult RequestWithToken(ShutdownApi& api) {
    // a successful lookup may leave an unrelated last error behind (Wine does): only the
    // call's own result says whether it failed
    CallOutcome lookup = api.lookupShutdownPrivilege();
    if (!lookup.succeeded)
        return Refused("LookupPrivilegeValue = " + std::to_string(lookup.lastError));
    CallOutcome enable = api.enableShutdownPrivilege();
    if (!enable.succeeded || enable.lastError == kErrorNotAllAssigned)
        return Refused("AdjustTokenPrivileges = " + std::to_string(enable.lastError));
    if (!api.exitWindows()) return Refused("ExitWindowsEx=0");
    return {true, ""};
}

}  // namespace

RestartResult RequestRestart(ShutdownApi& api) {
    if (!api.openProcessToken()) return Refused("OpenProcessToken=0");
    RestartResult result = RequestWithToken(api);
    api.closeProcessToken();
    return result;
}
