// The setup program's world in memory: a host with files and boxes that records what the
// program showed and asked (the registry is registry_fake.h).
#pragma once

#include <map>
#include <string>
#include <vector>

#include "registry_fake.h"
#include "setup_host.h"

namespace setup_fakes {

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
