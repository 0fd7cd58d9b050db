#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "config_store.h"
#include "registry_fake.h"

namespace {

std::string Sz(const std::string& text) {
    return text + '\0';
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
              (std::vector<std::string>{"create " + kConfigKeyName, "create " + kConfigKeyName,
                                        "create HKCU Control Panel"}));
    for (RegistryKey key : keys) EXPECT_TRUE(CloseConfigKey(registry, key));
    registry.calls.clear();
    RegistryKey key = 0x55;
    EXPECT_FALSE(OpenConfigKey(registry, kConfigRoot, "", kConfigSubkey, key));
    EXPECT_EQ(key, 0u);
    EXPECT_TRUE(registry.calls.empty());
    registry.refusedKeys = {kConfigKeyName};
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
        registry.put(c.name, c.type, c.bytes, kConfigKeyName, c.reportedSize, c.reportedType);
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
    EXPECT_EQ(registry.keys[kConfigKeyName]["DoubleClickSpeed"].type, kRegDword);
    EXPECT_EQ(registry.bytesOf("DoubleClickSpeed"), "\xfe\xff\xff\xff");
    EXPECT_EQ(registry.keys[kConfigKeyName]["VenderName"].type, kRegSz);
    EXPECT_EQ(registry.bytesOf("VenderName"), Sz("Brinvale"));
    EXPECT_EQ(registry.bytesOf("Embedded"), Sz("ab"));
    EXPECT_EQ(readNumber("DoubleClickSpeed"), 0xFFFFFFFEu);
    EXPECT_FALSE(WriteString(registry, key, "TooLong", std::string(kMaxStringValueBytes, 'x')));
    registry.refusedWrites = {"VenderStyle"};
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
    EXPECT_EQ(registry.calls.front(), "create " + kConfigKeyName);
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
    EXPECT_EQ(registry.keys.count(kConfigKeyName), 1u) << "the missing key is created";
    putInstallInfo();
    registry.put("VenderName", kRegDword, Dword(1));
    registry.keys[kConfigKeyName].erase("WindowsPath");
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
    registry.refusedWrites = {"DoubleClickSpeed"};
    EXPECT_FALSE(SaveDoubleClick(registry, config));
    EXPECT_TRUE(SaveAutoScan(registry, config));
    EXPECT_EQ(registry.calls,
              (std::vector<std::string>{"create " + kConfigKeyName, "set DoubleClickSpeed",
                                        "set DoubleClickWidth", "set DoubleClickHeight", "close",
                                        "create " + kConfigKeyName, "set AutoScanCOM",
                                        "set AutoScanDevice", "close"}));
    ProgramConfig loaded;
    loaded.key = config.key;
    loaded.doubleClickWidth = 1;
    EXPECT_FALSE(LoadDoubleClick(registry, loaded));
    EXPECT_EQ(loaded.doubleClickWidth, 32u) << "the later values are read after a failure";
    EXPECT_TRUE(LoadAutoScan(registry, loaded));
    EXPECT_EQ(loaded.autoScanCom, 3u);
    registry.refusedKeys = {kConfigKeyName};
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
    EXPECT_EQ(registry.bytesOf("VenderName", "HKCU Software\\Test"), Sz("Brinvale Touch Systems"));
    EXPECT_EQ(registry.bytesOf("VenderStyle", "HKCU Software\\Test"), Sz("21000000"));
    config.calibrationMode = 1;
    EXPECT_TRUE(LoadCalibrationMode(registry, config));
    EXPECT_EQ(config.calibrationMode, 0u);
}
