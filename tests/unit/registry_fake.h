// A registry in memory with RegCreateKeyA / RegQueryValueExA semantics: keys named "HKLM path"
// or "HKCU path", the values a test puts there, every call in order and the failures a test
// asks for.
#pragma once

#include <string.h>

#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "config_store.h"

const std::string kConfigKeyName = "HKLM SOFTWARE\\Brinvale\\TouchScreen\\NX-COM";
const std::string kMouseKeyName = "HKCU Control Panel\\Mouse";

inline std::string Dword(uint32_t value) {
    return {char(value), char(value >> 8), char(value >> 16), char(value >> 24)};
}

struct FakeRegistry : RegistryApi {
    struct Value {
        RegistryType type;
        std::string bytes;
        std::optional<uint32_t> reportedSize;  // what the size query says, when it lies
        std::optional<RegistryType> reportedType;
    };
    std::map<std::string, std::map<std::string, Value>> keys;
    std::map<RegistryKey, std::string> open;
    // "create KEY", "info NAME", "read NAME SIZE", "set NAME", "close"
    std::vector<std::string> calls;
    std::set<std::string> refusedKeys;    // key names whose open fails
    std::set<std::string> refusedWrites;  // value names in any key, or "KEY|NAME"
    bool overstateWritten = false;        // a read claims more bytes than the buffer holds
    RegistryKey nextHandle = 0x100;

    void put(const std::string& name, RegistryType type, std::string bytes,
             const std::string& key = kConfigKeyName, std::optional<uint32_t> reportedSize = {},
             std::optional<RegistryType> reportedType = {}) {
        keys[key][name] = {type, std::move(bytes), reportedSize, reportedType};
    }
    void putString(const std::string& name, const std::string& text,
                   const std::string& key = kConfigKeyName) {
        put(name, kRegSz, text + '\0', key);
    }
    void putNumber(const std::string& name, uint32_t value,
                   const std::string& key = kConfigKeyName) {
        put(name, kRegDword, Dword(value), key);
    }
    void putInstallFacts(
        const std::string& installPath = "C:\\Program Files\\Brinvale TouchScreen") {
        putString("VenderName", "Brinvale");
        putString("VenderStyle", "21140900");
        putString("InstallPath", installPath);
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
    std::string bytesOf(const std::string& name, const std::string& key = kConfigKeyName) {
        auto found = keys[key].find(name);
        return found == keys[key].end() ? "<missing>" : found->second.bytes;
    }
    uint32_t number(const std::string& name, const std::string& key = kConfigKeyName) {
        uint32_t result = 0;
        memcpy(&result, value(name, key).bytes.data(), 4);
        return result;
    }
    std::string text(const std::string& name, const std::string& key = kConfigKeyName) {
        const std::string& bytes = value(name, key).bytes;
        return bytes.substr(0, bytes.find('\0'));
    }
    // The value names set, refused ones too, in order.
    std::vector<std::string> writes() const {
        std::vector<std::string> names;
        for (const std::string& call : calls)
            if (call.rfind("set ", 0) == 0) names.push_back(call.substr(4));
        return names;
    }

    RegistryStatus createKey(RegistryRoot root, const std::string& name,
                             RegistryKey& key) override {
        std::string full = KeyName(root) + " " + name;
        calls.push_back("create " + full);
        if (refusedKeys.count(full)) return kErrorAccessDenied;
        key = nextHandle++;
        keys[open[key] = full];
        return kErrorSuccess;
    }
    RegistryStatus queryValueInfo(RegistryKey key, const std::string& name, RegistryType& type,
                                  uint32_t& size) override {
        calls.push_back("info " + name);
        Value* found = find(key, name);
        if (!found) return kErrorFileNotFound;
        type = found->reportedType.value_or(found->type);
        size = found->reportedSize.value_or(uint32_t(found->bytes.size()));
        return kErrorSuccess;
    }
    RegistryStatus queryValue(RegistryKey key, const std::string& name, RegistryType& type,
                              uint8_t* data, uint32_t& size) override {
        calls.push_back("read " + name + " " + std::to_string(size));
        Value* found = find(key, name);
        if (!found) return kErrorFileNotFound;
        type = found->type;
        if (found->bytes.size() > size) {
            memset(data, 0xAB, size);  // Windows leaves the buffer undefined
            size = uint32_t(found->bytes.size());
            return kErrorMoreData;
        }
        memcpy(data, found->bytes.data(), found->bytes.size());
        size = uint32_t(found->bytes.size()) + (overstateWritten ? 100 : 0);
        return kErrorSuccess;
    }
    RegistryStatus setValue(RegistryKey key, const std::string& name, RegistryType type,
                            const uint8_t* data, uint32_t size) override {
        calls.push_back("set " + name);
        if (!open.count(key) || refusedWrites.count(name) ||
            refusedWrites.count(open[key] + "|" + name))
            return kErrorAccessDenied;
        keys[open[key]][name] = {type, std::string(data, data + size), {}, {}};
        return kErrorSuccess;
    }
    RegistryStatus closeKey(RegistryKey key) override {
        calls.push_back("close");
        return open.erase(key) ? kErrorSuccess : kErrorInvalidHandle;
    }

private:
    static std::string KeyName(RegistryRoot root) {
        if (root == kHkeyLocalMachine) return "HKLM";
        if (root == kHkeyCurrentUser) return "HKCU";
        return std::to_string(root);
    }
    Value* find(RegistryKey key, const std::string& name) {
        if (!open.count(key)) return nullptr;
        auto found = keys[open[key]].find(name);
        return found == keys[open[key]].end() ? nullptr : &found->second;
    }
};
