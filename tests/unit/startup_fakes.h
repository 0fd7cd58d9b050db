// The startup program's world in memory: a registry with the configuration key and Windows'
// per-user mouse key, Windows' pointer settings, the driver, and a host that records in one
// journal, in order, everything the program asked.
#pragma once

#include <string.h>

#include <map>
#include <ostream>
#include <set>
#include <string>
#include <vector>

#include "config_store.h"
#include "double_click_settings.h"
#include "driver_requests.h"
#include "logon_run.h"

// gtest shows the three numbers when a comparison fails
inline void PrintTo(const DoubleClickSettings& settings, std::ostream* out) {
    *out << "{" << settings.speed << ", " << settings.width << ", " << settings.height << "}";
}

namespace startup_fakes {

const std::string kConfigKeyName = "HKLM SOFTWARE\\Brinvale\\TouchScreen\\NX-COM";
const std::string kMouseKeyName = "HKCU Control Panel\\Mouse";

struct Value {
    RegistryType type;
    std::string bytes;
};

inline std::string Dword(uint32_t value) {
    return std::string(reinterpret_cast<char*>(&value), 4);
}

struct FakeRegistry : RegistryApi {
    std::map<std::string, std::map<std::string, Value>> keys;
    std::set<std::string> refusedKeys;    // key names whose open fails
    std::set<std::string> refusedWrites;  // "key name|value name"
    std::map<RegistryKey, std::string> open;
    RegistryKey nextHandle = 0x100;

    void putNumber(const std::string& name, uint32_t value,
                   const std::string& key = kConfigKeyName) {
        keys[key][name] = {kRegDword, Dword(value)};
    }
    void putString(const std::string& name, const std::string& text,
                   const std::string& key = kConfigKeyName) {
        keys[key][name] = {kRegSz, text + '\0'};
    }
    void putInstallFacts() {
        putString("VenderName", "Brinvale");
        putString("VenderStyle", "21140900");
        putString("InstallPath", "C:\\Program Files\\Brinvale TouchScreen");
        putString("WindowsPath", "C:\\windows");
        putString("SystemPath", "C:\\windows\\system32");
        putString("HardwareID", "SERENUM\\BRV0750");
    }
    bool has(const std::string& name, const std::string& key = kConfigKeyName) {
        return keys[key].count(name) != 0;
    }
    const Value& value(const std::string& name, const std::string& key = kConfigKeyName) {
        return keys[key].at(name);
    }
    uint32_t number(const std::string& name) {
        uint32_t result = 0;
        memcpy(&result, value(name).bytes.data(), 4);
        return result;
    }

    RegistryStatus createKey(RegistryRoot root, const std::string& name,
                             RegistryKey& key) override {
        std::string full = (root == kHkeyCurrentUser ? "HKCU " : "HKLM ") + name;
        if (refusedKeys.count(full)) return kErrorAccessDenied;
        key = nextHandle++;
        open[key] = full;
        keys[full];
        return kErrorSuccess;
    }
    RegistryStatus queryValueInfo(RegistryKey key, const std::string& name, RegistryType& type,
                                  uint32_t& size) override {
        auto found = keys[open.at(key)].find(name);
        if (found == keys[open.at(key)].end()) return kErrorFileNotFound;
        type = found->second.type;
        size = uint32_t(found->second.bytes.size());
        return kErrorSuccess;
    }
    RegistryStatus queryValue(RegistryKey key, const std::string& name, RegistryType& type,
                              uint8_t* data, uint32_t& size) override {
        auto found = keys[open.at(key)].find(name);
        if (found == keys[open.at(key)].end()) return kErrorFileNotFound;
        type = found->second.type;
        if (found->second.bytes.size() > size) return kErrorMoreData;
        size = uint32_t(found->second.bytes.size());
        memcpy(data, found->second.bytes.data(), size);
        return kErrorSuccess;
    }
    RegistryStatus setValue(RegistryKey key, const std::string& name, RegistryType type,
                            const uint8_t* data, uint32_t size) override {
        const std::string& keyName = open.at(key);
        if (refusedWrites.count(keyName + "|" + name)) return kErrorAccessDenied;
        keys[keyName][name] = {type, std::string(reinterpret_cast<const char*>(data), size)};
        return kErrorSuccess;
    }
    RegistryStatus closeKey(RegistryKey key) override {
        return open.erase(key) ? kErrorSuccess : kErrorInvalidHandle;
    }
};

// Windows' pointer settings: what was set, and which actions fail.
struct FakePointer : PointerSettings {
    std::vector<std::string>* journal = nullptr;
    std::set<uint32_t> failing;
    DoubleClickSettings now{500, 4, 4};  // Wine's defaults

    bool set(uint32_t action, int32_t value) override {
        if (journal)
            journal->push_back("SPI " + std::to_string(action) + " " + std::to_string(value));
        if (failing.count(action)) return false;
        if (action == kSetDoubleClickWidth) now.width = value;
        if (action == kSetDoubleClickHeight) now.height = value;
        if (action == kSetDoubleClickTime) now.speed = value;
        return true;
    }
    DoubleClickSettings current() override { return now; }
};

// The driver's side: one DriverBlock and one right-button registration.
struct FakeDriver : DriverPort {
    std::vector<std::string>* journal = nullptr;
    DriverBlock block{};
    // what the right-button window queries answer, in turn; the last answer stays
    std::vector<int32_t> rightButtonHandles{kNoWindow};

    bool transact(uint32_t code, void* buffer, uint32_t length) override {
        const DriverRequest* request = FindDriverRequest(code);
        if (journal) journal->push_back(request ? request->name : "unknown request");
        if (request == nullptr || length != request->length) return false;
        if (code == IOCTL_GET_RB_WINDOW) {
            WindowRecord record{rightButtonHandles.front(), 0, 0};
            if (rightButtonHandles.size() > 1) rightButtonHandles.erase(rightButtonHandles.begin());
            memcpy(buffer, &record, sizeof record);
            return true;
        }
        if (code == IOCTL_SET_SCREEN_SIZE)  // applies offsets 72 to 75 only
            memcpy(reinterpret_cast<uint8_t*>(&block) + 72, static_cast<uint8_t*>(buffer) + 72, 4);
        memcpy(buffer, &block, sizeof block);
        return true;
    }
};

struct FakeHost : StartupHost {
    std::vector<std::string>* journal = nullptr;
    bool driverOpens = true;
    bool smiStarts = true;
    bool toolStarts = true;
    std::set<int32_t> liveWindows;
    ScreenPixels screen{1024, 768};
    uint32_t timeOfDay = 12 * 3600 * 1000;

    void note(const std::string& what) {
        if (journal) journal->push_back(what);
    }
    bool openDriver() override {
        note("open");
        return driverOpens;
    }
    void reportOpenFailure() override { note("box Fail to open NXWLHCOM.sys!"); }
    void closeDriver() override { note("close"); }
    bool startSmiTool() override {
        note("start NXWLHCvr.exe");
        return smiStarts;
    }
    bool startRightButtonTool() override {
        note("start NXWLHCrb.exe");
        return toolStarts;
    }
    bool windowExists(int32_t handle) override { return liveWindows.count(handle) != 0; }
    void notify(int32_t handle, CompanionNotification notification) override {
        note("notify " + std::to_string(handle) + " " + std::to_string(notification));
    }
    ScreenPixels screenSize() override { return screen; }
    void showError(const std::string& text) override { note("box " + text); }
    uint32_t timeOfDayMilliseconds() override { return timeOfDay; }
    void pauseWithEvents(uint32_t milliseconds) override {
        note("pause " + std::to_string(milliseconds));
    }
};

}  // namespace startup_fakes
