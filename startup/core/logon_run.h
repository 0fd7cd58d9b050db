// The log-on run: double-click settings into Windows, the driver and controller checked, the
// SMI tool started (or the driver told the screen size), the right-button tool started when
// the driver's right-button function needs it, and a short pause so the banner is seen.
#pragma once

#include <stdint.h>

#include <string>

#include "companions.h"
#include "config_store.h"
#include "double_click_settings.h"
#include "driver_port.h"
#include "driver_records.h"
#include "registry_api.h"

struct ScreenPixels {
    int32_t width;
    int32_t height;
};

// What the run asks of Windows besides the pointer settings, the registry and the driver's
// requests.
class StartupHost {
public:
    virtual ~StartupHost() = default;

    virtual bool openDriver() = 0;
    virtual void reportOpenFailure() = 0;  // "Fail to open NXWLHCOM.sys!"
    virtual void closeDriver() = 0;

    // Each true when the program started.
    virtual bool startSmiTool() = 0;
    virtual bool startRightButtonTool() = 0;
    // Whether a handle the driver holds names our right-button tool's window in this session.
    virtual bool isRightButtonTool(int32_t handle) = 0;
    // Whether this session is the one at the physical console, where the touch screen is.
    virtual bool atPhysicalConsole() = 0;
    // Sent synchronously: returns when the companion has handled it (or stopped answering).
    virtual void notify(int32_t handle, CompanionNotification notification) = 0;

    // The primary display's current mode.
    virtual ScreenPixels screenSize() = 0;
    // The shared error box titled with the program title.
    virtual void showError(const std::string& text) = 0;

    // Local time of day, milliseconds since midnight.
    virtual uint32_t timeOfDayMilliseconds() = 0;
    // Windows keep working meanwhile; measured on a clock that never goes back.
    virtual void pauseWithEvents(uint32_t milliseconds) = 0;
};

constexpr uint8_t kDragDropMode = 4;  // DriverBlock.ButtonMode

// The right-button function needs the tool unless it switches automatically in drag mode.
bool NeedsRightButtonTool(const DriverBlock& block);

// The pause lasts until the time of day, rounded to the second when it began, has moved on by
// one second: between half a second and one and a half seconds.
uint32_t LogonPauseMilliseconds(uint32_t timeOfDayMilliseconds);

void RunLogon(StartupHost& host, PointerSettings& pointer, RegistryApi& registry,
              DriverPort& driver, ProgramConfig& config);
