#include "config_store.h"

#include <string.h>

#include <algorithm>
#include <vector>

namespace {

constexpr const char* kVenderName = "VenderName";
constexpr const char* kVenderStyle = "VenderStyle";
constexpr const char* kInstallPath = "InstallPath";
constexpr const char* kWindowsPath = "WindowsPath";
constexpr const char* kSystemPath = "SystemPath";
constexpr const char* kHardwareID = "HardwareID";
constexpr const char* kCalibrationMode = "CalibrationMode";
constexpr const char* kDoubleClickSpeed = "DoubleClickSpeed";
constexpr const char* kDoubleClickWidth = "DoubleClickWidth";
constexpr const char* kDoubleClickHeight = "DoubleClickHeight";
constexpr const char* kAutoScanCOM = "AutoScanCOM";
constexpr const char* kAutoScanDevice = "AutoScanDevice";

// Opens the selected key, runs body(key) and closes the key again; a failed close loses
// nothing already written, so it does not count against the result.
template <typename Body>
bool WithConfigKey(RegistryApi& registry, const ConfigKeySelection& selection, Body body) {
    RegistryKey key = 0;
    if (!OpenConfigKey(registry, selection.root, selection.path, selection.subkey, key))
        return false;
    bool ok = body(key);
    CloseConfigKey(registry, key);
    return ok;
}

}  // namespace

bool OpenConfigKey(RegistryApi& registry, RegistryRoot root, const std::string& path,
                   const std::string& subkey, RegistryKey& key) {
    key = 0;
    if (path.empty()) return false;
    std::string name = path;
    std::string sub = !subkey.empty() && subkey[0] == '\\' ? subkey.substr(1) : subkey;
    if (!sub.empty()) name += "\\" + sub;
    RegistryKey opened = 0;
    if (registry.createKey(root, name, opened) != kErrorSuccess) return false;
    key = opened;
    return true;
}

bool CloseConfigKey(RegistryApi& registry, RegistryKey key) {
    if (key == 0) return false;
    return registry.closeKey(key) == kErrorSuccess;
}

bool ReadString(RegistryApi& registry, RegistryKey key, const std::string& name,
                std::string& text) {
    if (key == 0) return false;
    RegistryType type = kRegNone;
    uint32_t size = 0;
    if (registry.queryValueInfo(key, name, type, size) != kErrorSuccess || type != kRegSz)
        return false;
    if (size > kMaxStringValueBytes) return false;
    if (size == 0) {
        text.clear();
        return true;
    }
    std::vector<uint8_t> buffer(size, ' ');
    uint32_t written = size;
    if (registry.queryValue(key, name, type, buffer.data(), written) != kErrorSuccess ||
        type != kRegSz)
        return false;
    // Only the bytes written are the value: the size asked first may exceed what arrives, and
    // a registry that reports more than the buffer holds is not believed.
    auto end = buffer.begin() + std::min(written, size);
    text.assign(buffer.begin(), std::find(buffer.begin(), end, uint8_t{0}));
    return true;
}

bool ReadNumber(RegistryApi& registry, RegistryKey key, const std::string& name, uint32_t& value) {
    if (key == 0) return false;
    uint8_t bytes[4] = {};
    RegistryType type = kRegNone;
    uint32_t size = sizeof bytes;
    if (registry.queryValue(key, name, type, bytes, size) != kErrorSuccess || type != kRegDword ||
        size != sizeof bytes)
        return false;
    value = uint32_t{bytes[0]} | uint32_t{bytes[1]} << 8 | uint32_t{bytes[2]} << 16 |
            uint32_t{bytes[3]} << 24;
    return true;
}

bool WriteNumber(RegistryApi& registry, RegistryKey key, const std::string& name, uint32_t value) {
    if (key == 0) return false;
    const uint8_t bytes[4] = {uint8_t(value), uint8_t(value >> 8), uint8_t(value >> 16),
                              uint8_t(value >> 24)};
    return registry.setValue(key, name, kRegDword, bytes, sizeof bytes) == kErrorSuccess;
}

bool WriteString(RegistryApi& registry, RegistryKey key, const std::string& name,
                 const std::string& text) {
    if (key == 0) return false;
    size_t length = strlen(text.c_str());
    if (length >= kMaxStringValueBytes) return false;
    return registry.setValue(key, name, kRegSz, reinterpret_cast<const uint8_t*>(text.c_str()),
                             static_cast<uint32_t>(length + 1)) == kErrorSuccess;
}

void SelectConfigKey(ProgramConfig& config, RegistryRoot root, const std::string& path,
                     const std::string& subkey) {
    config.key = {root, path, subkey};
}

bool LoadInstallInfo(RegistryApi& registry, ProgramConfig& config) {
    SelectConfigKey(config, kConfigRoot, kConfigPath, kConfigSubkey);
    return WithConfigKey(registry, config.key, [&](RegistryKey key) {
        bool ok = ReadString(registry, key, kVenderName, config.venderName);
        ok &= ReadString(registry, key, kVenderStyle, config.venderStyle);
        ok &= ReadString(registry, key, kInstallPath, config.installPath);
        ok &= ReadString(registry, key, kWindowsPath, config.windowsPath);
        ok &= ReadString(registry, key, kSystemPath, config.systemPath);
        ok &= ReadString(registry, key, kHardwareID, config.hardwareId);
        return ok;
    });
}

bool LoadCalibrationMode(RegistryApi& registry, ProgramConfig& config) {
    return WithConfigKey(registry, config.key, [&](RegistryKey key) {
        return ReadNumber(registry, key, kCalibrationMode, config.calibrationMode);
    });
}

bool SaveCalibrationMode(RegistryApi& registry, const ProgramConfig& config) {
    return WithConfigKey(registry, config.key, [&](RegistryKey key) {
        return WriteNumber(registry, key, kCalibrationMode, config.calibrationMode);
    });
}

bool LoadDoubleClick(RegistryApi& registry, ProgramConfig& config) {
    return WithConfigKey(registry, config.key, [&](RegistryKey key) {
        bool ok = ReadNumber(registry, key, kDoubleClickSpeed, config.doubleClickSpeed);
        ok &= ReadNumber(registry, key, kDoubleClickWidth, config.doubleClickWidth);
        ok &= ReadNumber(registry, key, kDoubleClickHeight, config.doubleClickHeight);
        return ok;
    });
}

bool SaveDoubleClick(RegistryApi& registry, const ProgramConfig& config) {
    return WithConfigKey(registry, config.key, [&](RegistryKey key) {
        bool ok = WriteNumber(registry, key, kDoubleClickSpeed, config.doubleClickSpeed);
        ok &= WriteNumber(registry, key, kDoubleClickWidth, config.doubleClickWidth);
        ok &= WriteNumber(registry, key, kDoubleClickHeight, config.doubleClickHeight);
        return ok;
    });
}

bool LoadAutoScan(RegistryApi& registry, ProgramConfig& config) {
    return WithConfigKey(registry, config.key, [&](RegistryKey key) {
        bool ok = ReadNumber(registry, key, kAutoScanCOM, config.autoScanCom);
        ok &= ReadNumber(registry, key, kAutoScanDevice, config.autoScanDevice);
        return ok;
    });
}

bool SaveAutoScan(RegistryApi& registry, const ProgramConfig& config) {
    return WithConfigKey(registry, config.key, [&](RegistryKey key) {
        bool ok = WriteNumber(registry, key, kAutoScanCOM, config.autoScanCom);
        ok &= WriteNumber(registry, key, kAutoScanDevice, config.autoScanDevice);
        return ok;
    });
}

bool SaveVenderName(RegistryApi& registry, const ProgramConfig& config) {
    return WithConfigKey(registry, config.key, [&](RegistryKey key) {
        return WriteString(registry, key, kVenderName, config.venderName);
    });
}

bool SaveVenderStyle(RegistryApi& registry, const ProgramConfig& config) {
    return WithConfigKey(registry, config.key, [&](RegistryKey key) {
        return WriteString(registry, key, kVenderStyle, config.venderStyle);
    });
}
