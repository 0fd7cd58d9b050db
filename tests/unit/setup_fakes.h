// The setup program's world in memory: a registry holding only the configuration key, and a
// host with files and boxes that records what the program showed and asked.
#pragma once

#include <string.h>

#include <map>
#include <set>
#include <string>
#include <vector>

#include "config_store.h"
#include "setup_host.h"

namespace setup_fakes {

struct Value {
    RegistryType type;
    std::string bytes;
};

struct FakeRegistry : RegistryApi {
    std::map<std::string, Value> values;  // the configuration key's
    std::set<std::string> refusedWrites;
    bool refuseOpen = false;
    int openKeys = 0;
    std::vector<std::string> writes;  // value names in the order they were set

    void putString(const std::string& name, const std::string& text) {
        values[name] = {kRegSz, text + '\0'};
    }
    void putNumber(const std::string& name, uint32_t value) {
        values[name] = {kRegDword, std::string(reinterpret_cast<const char*>(&value), 4)};
    }
    void putInstallFacts(const std::string& installPath = "C:\\Program Files\\Brinvale") {
        putString("VenderName", "Brinvale");
        putString("VenderStyle", "21140900");
        putString("InstallPath", installPath);
        putString("WindowsPath", "C:\\windows");
        putString("SystemPath", "C:\\windows\\system32");
        putString("HardwareID", "SERENUM\\BRV0750");
    }
    bool has(const std::string& name) const { return values.count(name) != 0; }
    uint32_t number(const std::string& name) const {
        uint32_t value = 0;
        memcpy(&value, values.at(name).bytes.data(), 4);
        return value;
    }
    std::string text(const std::string& name) const {
        const std::string& bytes = values.at(name).bytes;
        return bytes.substr(0, bytes.find('\0'));
    }

    RegistryStatus createKey(RegistryRoot root, const std::string& name,
                             RegistryKey& key) override {
        if (refuseOpen || root != kConfigRoot ||
            name != std::string(kConfigPath) + "\\" + kConfigSubkey)
            return kErrorAccessDenied;
        ++openKeys;
        key = 0x100;
        return kErrorSuccess;
    }
    RegistryStatus queryValueInfo(RegistryKey, const std::string& name, RegistryType& type,
                                  uint32_t& size) override {
        auto found = values.find(name);
        if (found == values.end()) return kErrorFileNotFound;
        type = found->second.type;
        size = uint32_t(found->second.bytes.size());
        return kErrorSuccess;
    }
    RegistryStatus queryValue(RegistryKey, const std::string& name, RegistryType& type,
                              uint8_t* data, uint32_t& size) override {
        auto found = values.find(name);
        if (found == values.end()) return kErrorFileNotFound;
        if (found->second.bytes.size() > size) return kErrorMoreData;
        type = found->second.type;
        size = uint32_t(found->second.bytes.size());
        memcpy(data, found->second.bytes.data(), size);
        return kErrorSuccess;
    }
    RegistryStatus setValue(RegistryKey, const std::string& name, RegistryType type,
                            const uint8_t* data, uint32_t size) override {
        writes.push_back(name);
        if (refusedWrites.count(name)) return kErrorAccessDenied;
        values[name] = {type, std::string(reinterpret_cast<const char*>(data), size)};
        return kErrorSuccess;
    }
    RegistryStatus closeKey(RegistryKey) override {
        --openKeys;
        return kErrorSuccess;
    }
};

// Files by full path, each a map "section/key" -> raw text as the profile functions return it.
struct FakeHost : SetupHost {
    std::map<std::string, std::map<std::string, std::string>> files;
    std::vector<std::string>
        events;  // "progress ...", "close", "box ...", "finished ...", "restart"
    std::vector<std::string> fileLookups;
    bool restartAccepted = true;

    void put(const std::string& file, const std::string& section, const std::string& key,
             const std::string& text) {
        files[file][section + "/" + key] = text;
    }

    bool fileExists(const std::string& path) override {
        fileLookups.push_back(path);
        return files.count(path) != 0;
    }
    std::string readProfileString(const std::string& file, const std::string& section,
                                  const std::string& key) override {
        auto found = files.find(file);
        if (found == files.end()) return "";
        auto value = found->second.find(section + "/" + key);
        return value == found->second.end() ? "" : value->second;
    }
    void showProgress(const std::string& text) override { events.push_back("progress " + text); }
    void closeProgress() override { events.push_back("close"); }
    void showMessage(const std::string& text) override { events.push_back("box " + text); }
    void showFinished(const std::string& text) override { events.push_back("finished " + text); }
    bool restartWindows() override {
        events.push_back("restart");
        return restartAccepted;
    }
};

}  // namespace setup_fakes
