#include <gtest/gtest.h>

#include <string.h>

#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "config_store.h"

namespace {

const std::string kConfigKey = "SOFTWARE\\Brinvale\\TouchScreen\\NX-COM";
const std::string kHklmConfig = "2147483650 " + kConfigKey;

// A registry in memory with RegCreateKeyA / RegQueryValueExA semantics that records every call
// and holds whatever bytes a test puts there.
struct FakeRegistry : RegistryApi {
    struct Value {
        RegistryType type;
        std::string bytes;
        std::optional<uint32_t> reportedSize;  // what the size query says, when it lies
        std::optional<RegistryType> reportedType;
    };
    std::map<std::string, std::map<std::string, Value>> keys;  // "root path" -> values
    std::map<RegistryKey, std::string> open;
    std::vector<std::string> calls;
    std::set<std::string> refused;  // value names whose writes fail; "create" refuses the open
    bool overstateWritten = false;  // claims more bytes than the buffer holds
    RegistryKey nextHandle = 0x100;

    void put(const std::string& name, RegistryType type, std::string bytes,
             std::optional<uint32_t> reportedSize = {},
             std::optional<RegistryType> reportedType = {}) {
        keys[kHklmConfig][name] = {type, std::move(bytes), reportedSize, reportedType};
    }
    std::string bytesOf(const std::string& name, const std::string& key = kHklmConfig) {
        auto value = keys[key].find(name);
        return value == keys[key].end() ? "<missing>" : value->second.bytes;
    }
    Value* find(RegistryKey key, const std::string& name) {
        if (!open.count(key)) return nullptr;
        auto value = keys[open[key]].find(name);
        return value == keys[open[key]].end() ? nullptr : &value->second;
    }

    RegistryStatus createKey(RegistryRoot root, const std::string& name,
                             RegistryKey& key) override {
        calls.push_back("create " + std::to_string(root) + " " + name);
        if (refused.count("create")) return kErrorAccessDenied;
        key = nextHandle++;
        keys[open[key] = std::to_string(root) + " " + name];
        return kErrorSuccess;
    }
    RegistryStatus queryValueInfo(RegistryKey key, const std::string& name, RegistryType& type,
                                  uint32_t& size) override {
        calls.push_back("info " + name);
        Value* value = find(key, name);
        if (!value) return kErrorFileNotFound;
        type = value->reportedType.value_or(value->type);
        size = value->reportedSize.value_or(static_cast<uint32_t>(value->bytes.size()));
        return kErrorSuccess;
    }
    RegistryStatus queryValue(RegistryKey key, const std::string& name, RegistryType& type,
                              uint8_t* data, uint32_t& size) override {
        calls.push_back("read " + name + " " + std::to_string(size));
        Value* value = find(key, name);
        if (!value) return kErrorFileNotFound;
        type = value->type;
        if (value->bytes.size() > size) {
            memset(data, 0xAB, size);  // Windows leaves the buffer undefined
            size = static_cast<uint32_t>(value->bytes.size());
            return kErrorMoreData;
        }
        memcpy(data, value->bytes.data(), value->bytes.size());
        size = static_cast<uint32_t>(value->bytes.size()) + (overstateWritten ? 100 : 0);
        return kErrorSuccess;
    }
    RegistryStatus setValue(RegistryKey key, const std::string& name, RegistryType type,
                            const uint8_t* data, uint32_t size) override {
        calls.push_back("set " + name);
        if (!open.count(key) || refused.count(name)) return kErrorAccessDenied;
        keys[open[key]][name] = {type, std::string(data, data + size), {}, {}};
        return kErrorSuccess;
    }
    RegistryStatus closeKey(RegistryKey key) override {
        calls.push_back("close");
        return open.erase(key) ? kErrorSuccess : kErrorInvalidHandle;
    }
};

std::string Sz(const std::string& text) {
    return text + '\0';
}

std::string Dword(uint32_t value) {
    return {char(value), char(value >> 8), char(value >> 16), char(value >> 24)};
}

class ConfigStoreTest : public ::testing::Test {
protected:
    void TearDown() override {
        if (key_) CloseConfigKey(registry, key_);
        EXPECT_TRUE(registry.open.empty()) << "a key was left open";
    }
    RegistryKey configKey() {
        if (!key_) OpenConfigKey(registry, kConfigRoot, kConfigPath, kConfigSubkey, key_);
        registry.calls.clear();
        return key_;
    }
    // Empty when the read fails, which must leave the caller's variable alone.
    std::optional<std::string> readString(const std::string& name) {
        std::string text = "unchanged";
        if (ReadString(registry, configKey(), name, text)) return text;
        EXPECT_EQ(text, "unchanged") << name;
        return std::nullopt;
    }
    std::optional<uint32_t> readNumber(const std::string& name) {
        uint32_t value = 77;
        if (ReadNumber(registry, configKey(), name, value)) return value;
        EXPECT_EQ(value, 77u) << name;
        return std::nullopt;
    }
    void putInstallInfo() {
        for (const char* name : {"VenderName", "VenderStyle", "InstallPath", "WindowsPath",
                                 "SystemPath", "HardwareID"})
            registry.put(name, kRegSz, Sz(std::string("stored ") + name));
    }

    FakeRegistry registry;
    ProgramConfig config;

private:
    RegistryKey key_ = 0;
};

}  // namespace

TEST_F(ConfigStoreTest, OpenJoinsPathAndSubkeyAndEmptyPathTouchesNothing) {
    RegistryKey keys[3] = {};
    EXPECT_TRUE(OpenConfigKey(registry, kHkeyLocalMachine, kConfigPath, "NX-COM", keys[0]));
    EXPECT_TRUE(OpenConfigKey(registry, kHkeyLocalMachine, kConfigPath, "\\NX-COM", keys[1]));
    EXPECT_TRUE(OpenConfigKey(registry, kHkeyCurrentUser, "Control Panel", "", keys[2]));
    EXPECT_EQ(registry.calls,
              (std::vector<std::string>{"create " + kHklmConfig, "create " + kHklmConfig,
                                        "create 2147483649 Control Panel"}));
    for (RegistryKey key : keys) EXPECT_TRUE(CloseConfigKey(registry, key));
    registry.calls.clear();
    RegistryKey key = 0x55;
    EXPECT_FALSE(OpenConfigKey(registry, kConfigRoot, "", kConfigSubkey, key));
    EXPECT_EQ(key, 0u);
    EXPECT_TRUE(registry.calls.empty());
    registry.refused = {"create"};
    EXPECT_FALSE(OpenConfigKey(registry, kConfigRoot, kConfigPath, kConfigSubkey, key));
    EXPECT_EQ(key, 0u);
}

TEST_F(ConfigStoreTest, StringEndsAtItsFirstNulAndHostileValuesReadAsMissing) {
    registry.put("Garbage", kRegSz, Sz("C:\\Tools") + "garbage\xff");
    EXPECT_EQ(readString("Garbage"), "C:\\Tools");
    EXPECT_EQ(registry.calls, (std::vector<std::string>{"info Garbage", "read Garbage 17"}));
    const std::string longest(kMaxStringValueBytes, 'x');
    const struct {
        const char* name;
        RegistryType type;
        std::string bytes;
        std::optional<uint32_t> reportedSize;
        std::optional<std::string> text;
        std::optional<RegistryType> reportedType = {};
    } cases[] = {{"NoNul", kRegSz, "C:\\Tools", {}, "C:\\Tools"},
                 {"Empty", kRegSz, "", {}, ""},
                 {"OnlyNul", kRegSz, Sz(""), {}, ""},
                 {"PaddedSize", kRegSz, "C:\\Tools", 64, "C:\\Tools"},  // no pad in the text
                 {"Longest", kRegSz, longest, {}, longest},
                 {"Dword", kRegDword, Dword(1), {}, {}},
                 {"Binary", kRegBinary, Sz("C:\\Tools"), {}, {}},
                 {"Huge", kRegSz, "x", 0xFFFFFFFF, {}},
                 {"TooLong", kRegSz, longest + "x", {}, {}},
                 {"GrewSinceAsked", kRegSz, Sz("C:\\Program Files"), 4, {}},
                 {"BecameBinary", kRegBinary, Sz("C:\\Tools"), {}, {}, kRegSz}};
    for (const auto& c : cases) {
        registry.put(c.name, c.type, c.bytes, c.reportedSize, c.reportedType);
        EXPECT_EQ(readString(c.name), c.text) << c.name;
    }
    EXPECT_EQ(readString("Missing"), std::nullopt);
    registry.overstateWritten = true;
    EXPECT_EQ(readString("NoNul"), "C:\\Tools");
}

TEST_F(ConfigStoreTest, NumberIsOnlyAFourByteDword) {
    registry.put("Mode", kRegDword, Dword(0x12345678));
    registry.put("AsString", kRegSz, Sz("1"));
    registry.put("Short", kRegDword, std::string("\x01\x00", 2));
    registry.put("Long", kRegDword, Dword(1) + Dword(0));
    registry.put("Binary", kRegBinary, Dword(1));
    EXPECT_EQ(readNumber("Mode"), 0x12345678u);
    for (const char* name : {"AsString", "Short", "Long", "Binary", "Missing"})
        EXPECT_EQ(readNumber(name), std::nullopt) << name;
}

TEST_F(ConfigStoreTest, WritesRoundTripAndNeedAKey) {
    RegistryKey key = configKey();
    EXPECT_TRUE(WriteNumber(registry, key, "DoubleClickSpeed", 0xFFFFFFFE));
    EXPECT_TRUE(WriteString(registry, key, "VenderName", "Brinvale"));
    EXPECT_TRUE(WriteString(registry, key, "Embedded", std::string("ab\0cd", 5)));
    EXPECT_EQ(registry.keys[kHklmConfig]["DoubleClickSpeed"].type, kRegDword);
    EXPECT_EQ(registry.bytesOf("DoubleClickSpeed"), "\xfe\xff\xff\xff");
    EXPECT_EQ(registry.keys[kHklmConfig]["VenderName"].type, kRegSz);
    EXPECT_EQ(registry.bytesOf("VenderName"), Sz("Brinvale"));
    EXPECT_EQ(registry.bytesOf("Embedded"), Sz("ab"));
    EXPECT_EQ(readNumber("DoubleClickSpeed"), 0xFFFFFFFEu);
    EXPECT_FALSE(WriteString(registry, key, "TooLong", std::string(kMaxStringValueBytes, 'x')));
    registry.refused = {"VenderStyle"};
    EXPECT_FALSE(WriteString(registry, key, "VenderStyle", "x"));
    registry.calls.clear();
    std::string text;
    uint32_t number = 0;
    EXPECT_FALSE(WriteString(registry, 0, "VenderStyle", "x"));
    EXPECT_FALSE(WriteNumber(registry, 0, "AutoScanCOM", 1));
    EXPECT_FALSE(ReadString(registry, 0, "VenderStyle", text));
    EXPECT_FALSE(ReadNumber(registry, 0, "AutoScanCOM", number));
    EXPECT_FALSE(CloseConfigKey(registry, 0));
    EXPECT_TRUE(registry.calls.empty()) << "no key, no registry call";
}

TEST_F(ConfigStoreTest, LoadInstallInfoSelectsTheConfigurationKeyAndReadsAllSix) {
    putInstallInfo();
    SelectConfigKey(config, kHkeyCurrentUser, "Control Panel", "Mouse");
    EXPECT_TRUE(LoadInstallInfo(registry, config));
    EXPECT_EQ(registry.calls.front(), "create " + kHklmConfig);
    EXPECT_EQ(registry.calls.back(), "close");
    EXPECT_EQ(config.venderName, "stored VenderName");
    EXPECT_EQ(config.venderStyle, "stored VenderStyle");
    EXPECT_EQ(config.installPath, "stored InstallPath");
    EXPECT_EQ(config.windowsPath, "stored WindowsPath");
    EXPECT_EQ(config.systemPath, "stored SystemPath");
    EXPECT_EQ(config.hardwareId, "stored HardwareID");
    config.calibrationMode = 1;
    registry.put("CalibrationMode", kRegSz, Sz("0"));
    EXPECT_FALSE(LoadCalibrationMode(registry, config)) << "a string is no calibration method";
    EXPECT_EQ(config.calibrationMode, 1u);
}

TEST_F(ConfigStoreTest, LoadInstallInfoFailsOnAnyBadValueYetReadsTheRest) {
    EXPECT_FALSE(LoadInstallInfo(registry, config));
    EXPECT_EQ(registry.keys.count(kHklmConfig), 1u) << "the missing key is created";
    putInstallInfo();
    registry.put("VenderName", kRegDword, Dword(1));
    registry.keys[kHklmConfig].erase("WindowsPath");
    config.venderName = "designed";
    EXPECT_FALSE(LoadInstallInfo(registry, config));
    EXPECT_EQ(config.venderName, "designed");
    EXPECT_EQ(config.venderStyle, "stored VenderStyle");
    EXPECT_EQ(config.installPath, "stored InstallPath");
    EXPECT_EQ(config.systemPath, "stored SystemPath");
    EXPECT_EQ(config.hardwareId, "stored HardwareID");
}

TEST_F(ConfigStoreTest, GroupedOperationsUseTheSelectedKeyAndReportAnyFailure) {
    EXPECT_FALSE(SaveCalibrationMode(registry, config));
    EXPECT_TRUE(registry.calls.empty()) << "nothing happens before a key is selected";
    SelectConfigKey(config, kConfigRoot, kConfigPath, kConfigSubkey);
    config.doubleClickSpeed = 700;
    config.autoScanCom = 3;
    registry.refused = {"DoubleClickSpeed"};
    EXPECT_FALSE(SaveDoubleClick(registry, config));
    EXPECT_TRUE(SaveAutoScan(registry, config));
    EXPECT_EQ(registry.calls,
              (std::vector<std::string>{"create " + kHklmConfig, "set DoubleClickSpeed",
                                        "set DoubleClickWidth", "set DoubleClickHeight", "close",
                                        "create " + kHklmConfig, "set AutoScanCOM",
                                        "set AutoScanDevice", "close"}));
    ProgramConfig loaded;
    loaded.key = config.key;
    loaded.doubleClickWidth = 1;
    EXPECT_FALSE(LoadDoubleClick(registry, loaded));
    EXPECT_EQ(loaded.doubleClickWidth, 32u) << "the later values are read after a failure";
    EXPECT_TRUE(LoadAutoScan(registry, loaded));
    EXPECT_EQ(loaded.autoScanCom, 3u);
    registry.refused = {"create"};
    EXPECT_FALSE(LoadAutoScan(registry, loaded));
    EXPECT_FALSE(SaveVenderName(registry, loaded));
}

TEST_F(ConfigStoreTest, VendorBrandingIsSavedAsStrings) {
    SelectConfigKey(config, kHkeyCurrentUser, "Software\\Test", "");
    config.venderName = "Brinvale Touch Systems";
    config.venderStyle = "21000000";
    config.calibrationMode = 0;
    EXPECT_TRUE(SaveVenderName(registry, config));
    EXPECT_TRUE(SaveVenderStyle(registry, config));
    EXPECT_TRUE(SaveCalibrationMode(registry, config));
    EXPECT_EQ(registry.bytesOf("VenderName", "2147483649 Software\\Test"),
              Sz("Brinvale Touch Systems"));
    EXPECT_EQ(registry.bytesOf("VenderStyle", "2147483649 Software\\Test"), Sz("21000000"));
    config.calibrationMode = 1;
    EXPECT_TRUE(LoadCalibrationMode(registry, config));
    EXPECT_EQ(config.calibrationMode, 0u);
}
