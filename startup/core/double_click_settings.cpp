#include "double_click_settings.h"

namespace {

constexpr const char* kMouseKeyPath = "Control Panel";
constexpr const char* kMouseKeySubkey = "Mouse";

}  // namespace

DoubleClickSettings StoredDoubleClick(const ProgramConfig& config) {
    return {int32_t(config.doubleClickSpeed), int32_t(config.doubleClickWidth),
            int32_t(config.doubleClickHeight)};
}

DoubleClickSettings LoadStoredDoubleClick(RegistryApi& registry, ProgramConfig& config) {
    if (!LoadDoubleClick(registry, config)) {
        config.doubleClickSpeed = uint32_t(kDefaultDoubleClick.speed);
        config.doubleClickWidth = uint32_t(kDefaultDoubleClick.width);
        config.doubleClickHeight = uint32_t(kDefaultDoubleClick.height);
    }
    return StoredDoubleClick(config);
}

std::string ApplyDoubleClick(PointerSettings& pointer, RegistryApi& registry, ProgramConfig& config,
                             const DoubleClickSettings& settings) {
    std::string letters;
    if (!pointer.set(kSetDoubleClickWidth, settings.width)) letters += 'W';
    if (!pointer.set(kSetDoubleClickHeight, settings.height)) letters += 'H';
    if (!pointer.set(kSetDoubleClickTime, settings.speed)) letters += 'T';

    RegistryKey mouse = 0;
    if (OpenConfigKey(registry, kHkeyCurrentUser, kMouseKeyPath, kMouseKeySubkey, mouse)) {
        if (!WriteString(registry, mouse, "DoubleClickWidth", std::to_string(settings.width)))
            letters += 'w';
        if (!WriteString(registry, mouse, "DoubleClickHeight", std::to_string(settings.height)))
            letters += 'h';
        if (!WriteString(registry, mouse, "DoubleClickSpeed", std::to_string(settings.speed)))
            letters += 't';
        CloseConfigKey(registry, mouse);
    } else {
        letters += 'R';
    }
    // stored even when Windows' per-user key failed: the two copies do not depend on each other
    config.doubleClickSpeed = uint32_t(settings.speed);
    config.doubleClickWidth = uint32_t(settings.width);
    config.doubleClickHeight = uint32_t(settings.height);
    SaveDoubleClick(registry, config);
    return letters;
}

std::string DoubleClickFailText(const std::string& letters) {
    return "Fail to SetDoubleClock (" + letters + ")!";
}
