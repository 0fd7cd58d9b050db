#include "driver_service.h"

#include <windows.h>

#include "sim_channel.h"
#include "wait.h"

namespace e2e {
namespace {

bool Control(bool start) {
    SC_HANDLE manager = OpenSCManagerA(nullptr, nullptr, SC_MANAGER_CONNECT);
    if (!manager) return false;
    SC_HANDLE service =
        OpenServiceA(manager, "NXWLHCOM", SERVICE_START | SERVICE_STOP | SERVICE_QUERY_STATUS);
    bool asked = false;
    if (service) {
        SERVICE_STATUS status{};
        asked = start ? StartServiceA(service, 0, nullptr) != FALSE
                      : ControlService(service, SERVICE_CONTROL_STOP, &status) != FALSE;
        CloseServiceHandle(service);
    }
    CloseServiceHandle(manager);
    return asked;
}

}  // namespace

bool StopDriverService() {
    Control(false);
    return WaitUntil([] { return !SimChannel().isOpen(); }, 10000);
}

bool StartDriverService() {
    Control(true);
    return WaitUntil([] { return SimChannel().isOpen(); }, 10000);
}

}  // namespace e2e
