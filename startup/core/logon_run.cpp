#include "logon_run.h"

#include "driver_requests.h"
#include "startup_texts.h"

namespace {

void StartRightButtonToolIfNeeded(StartupHost& host, DriverPort& driver, const DriverBlock& block) {
    WindowRecord record{kNoWindow, 0, 0};
    driver.transact(IOCTL_GET_RB_WINDOW, record);
    // a registration whose window is gone was left by a tool that died, one that names another
    // program's window by whatever reused the handle: either way none of ours is running
    bool running = record.Handle != kNoWindow && host.isRightButtonTool(record.Handle);
    if (!running && !host.startRightButtonTool()) host.showError(kRightButtonStartFailText);
    // only a tool that was already running is told to hide; one started now starts hidden
    if (block.RightButtonAuto == 1 && running) {
        WindowRecord again{kNoWindow, 0, 0};
        driver.transact(IOCTL_GET_RB_WINDOW, again);
        if (again.Handle != kNoWindow) host.notify(again.Handle, NOTIFY_RB_HIDE);
    }
}

}  // namespace

bool NeedsRightButtonTool(const DriverBlock& block) {
    if (block.RightButtonEnable != 1) return false;
    return !(block.RightButtonAuto != 0 && block.ButtonMode == kDragDropMode);
}

uint32_t LogonPauseMilliseconds(uint32_t timeOfDayMilliseconds) {
    uint32_t roundedSeconds = (timeOfDayMilliseconds + 500) / 1000;
    return (roundedSeconds + 1) * 1000 - timeOfDayMilliseconds;
}

void RunLogon(StartupHost& host, PointerSettings& pointer, RegistryApi& registry,
              DriverPort& driver, ProgramConfig& config) {
    std::string letters = ApplyDoubleClick(pointer, registry, config, StoredDoubleClick(config));
    if (!letters.empty()) host.showError(DoubleClickFailText(letters));

    // the driver and its companions serve the touch screen, which a remote user does not have:
    // its screen size and a tool nobody at the screen could see would only be in the way
    if (!host.atPhysicalConsole()) {
        host.pauseWithEvents(LogonPauseMilliseconds(host.timeOfDayMilliseconds()));
        return;
    }
    if (!host.openDriver()) {
        host.reportOpenFailure();
        return;
    }
    DriverBlock block{};
    driver.transact(IOCTL_READ_SETTINGS, block);
    if (block.ComPort == 0) {
        host.showError(kControllerNotFoundText);
        host.closeDriver();
        return;
    }
    if (!host.startSmiTool()) {
        ScreenPixels screen = host.screenSize();
        block.ScreenWidth = int16_t(screen.width);
        block.ScreenHeight = int16_t(screen.height);
        driver.transact(IOCTL_SET_SCREEN_SIZE, block);
    }
    if (NeedsRightButtonTool(block)) StartRightButtonToolIfNeeded(host, driver, block);
    host.closeDriver();
    host.pauseWithEvents(LogonPauseMilliseconds(host.timeOfDayMilliseconds()));
}
