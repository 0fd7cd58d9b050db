// The double-click settings: kept in the configuration key, applied to Windows at log-on and
// from the configuration window, and mirrored in Windows' own per-user strings.
#pragma once

#include <stdint.h>

#include <string>

#include "config_store.h"
#include "registry_api.h"

struct DoubleClickSettings {
    int32_t speed;   // milliseconds
    int32_t width;   // pixels
    int32_t height;  // pixels

    bool operator==(const DoubleClickSettings& other) const {
        return speed == other.speed && width == other.width && height == other.height;
    }
};

constexpr DoubleClickSettings kDefaultDoubleClick{500, 32, 32};

// SystemParametersInfoA actions
constexpr uint32_t kSetDoubleClickWidth = 29;
constexpr uint32_t kSetDoubleClickHeight = 30;
constexpr uint32_t kSetDoubleClickTime = 32;

// Windows' pointer settings as the startup program sets and reads them.
class PointerSettings {
public:
    virtual ~PointerSettings() = default;
    // One SystemParametersInfoA action with its value, the change broadcast; true on success.
    virtual bool set(uint32_t action, int32_t value) = 0;
    // GetDoubleClickTime and the double-click rectangle from GetSystemMetrics.
    virtual DoubleClickSettings current() = 0;
};

// The stored values, or 500 / 32 / 32 all three when any one is missing; config keeps them.
DoubleClickSettings LoadStoredDoubleClick(RegistryApi& registry, ProgramConfig& config);
DoubleClickSettings StoredDoubleClick(const ProgramConfig& config);

// Makes the settings those of Windows, of its per-user copy and of the configuration key.
// Returns one letter for each step that failed, "" when all went well: W H T for the
// pointer settings, R for the per-user key, w h t for its strings.
std::string ApplyDoubleClick(PointerSettings& pointer, RegistryApi& registry, ProgramConfig& config,
                             const DoubleClickSettings& settings);

// "Fail to SetDoubleClock (HR)!"
std::string DoubleClickFailText(const std::string& letters);
