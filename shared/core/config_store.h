// The configuration store: the few registry operations every program carries, and the grouped
// loads and saves of the configuration key built on them.
//
// No operation shows a message; each returns true on success. A failed read leaves the
// caller's variable as it was, so a default set beforehand survives a missing value.
#pragma once

#include <stdint.h>

#include <string>

#include "registry_api.h"

constexpr RegistryRoot kConfigRoot = kHkeyLocalMachine;
constexpr const char* kConfigPath = "SOFTWARE\\Brinvale\\TouchScreen";
constexpr const char* kConfigSubkey = "NX-COM";

// A string value longer than this is read as missing instead of being allocated: no text the
// store keeps (paths, identifiers, the vendor title) comes near it.
constexpr uint32_t kMaxStringValueBytes = 64 * 1024;

struct ConfigKeySelection {
    RegistryRoot root = 0;
    std::string path;
    std::string subkey;
};

// The program-wide values of the configuration key. Each program owns one and passes it to the
// grouped operations; the numbers start at the values the programs use when one is missing.
struct ProgramConfig {
    ConfigKeySelection key;

    std::string venderName;
    std::string venderStyle;
    std::string installPath;
    std::string windowsPath;
    std::string systemPath;
    std::string hardwareId;

    // Not a value of the key: the folder whose programs this program starts and whose files it
    // reads, set by the program from where only administrators write (trusted_folder.h).
    std::string programFolder;

    uint32_t calibrationMode = 1;
    uint32_t doubleClickSpeed = 500;  // milliseconds
    uint32_t doubleClickWidth = 32;   // pixels
    uint32_t doubleClickHeight = 32;  // pixels
    uint32_t autoScanCom = 0;         // 0 any port, 1 to 9 COM1 to COM9
    uint32_t autoScanDevice = 0;
};

// Opens path\subkey (or path alone when subkey is empty) under root, creating it when missing.
// A leading "\" of subkey is dropped. key is 0 whenever the result is false.
bool OpenConfigKey(RegistryApi& registry, RegistryRoot root, const std::string& path,
                   const std::string& subkey, RegistryKey& key);
bool CloseConfigKey(RegistryApi& registry, RegistryKey key);

// Only a REG_SZ value of at most kMaxStringValueBytes; the text ends at its first NUL.
bool ReadString(RegistryApi& registry, RegistryKey key, const std::string& name, std::string& text);
// Only a REG_DWORD value of exactly 4 bytes.
bool ReadNumber(RegistryApi& registry, RegistryKey key, const std::string& name, uint32_t& value);
bool WriteNumber(RegistryApi& registry, RegistryKey key, const std::string& name, uint32_t value);
// Stores the text up to its first NUL, with that NUL, as REG_SZ; a text too long for
// ReadString to take back is refused.
bool WriteString(RegistryApi& registry, RegistryKey key, const std::string& name,
                 const std::string& text);

// The grouped operations open config.key, read or write every value of the group even after
// one fails, close the key, and return true only when the open and every value succeeded.
void SelectConfigKey(ProgramConfig& config, RegistryRoot root, const std::string& path,
                     const std::string& subkey);
// Selects the configuration key first, so it runs before any other grouped operation.
bool LoadInstallInfo(RegistryApi& registry, ProgramConfig& config);
bool LoadCalibrationMode(RegistryApi& registry, ProgramConfig& config);
bool SaveCalibrationMode(RegistryApi& registry, const ProgramConfig& config);
bool LoadDoubleClick(RegistryApi& registry, ProgramConfig& config);
bool SaveDoubleClick(RegistryApi& registry, const ProgramConfig& config);
bool LoadAutoScan(RegistryApi& registry, ProgramConfig& config);
bool SaveAutoScan(RegistryApi& registry, const ProgramConfig& config);
bool SaveVenderName(RegistryApi& registry, const ProgramConfig& config);
bool SaveVenderStyle(RegistryApi& registry, const ProgramConfig& config);
