// The configuration key as the tests read and change it; every change is undone by the test.
#pragma once

#include <windows.h>

#include <optional>
#include <vector>
#include <string>

namespace e2e {

// Any key's values, in the 64-bit view; nullopt when missing or of another type.
std::optional<std::string> ReadRegistryString(HKEY root, const std::string& path,
                                              const std::string& name);
std::optional<DWORD> ReadRegistryNumber(HKEY root, const std::string& path,
                                        const std::string& name);
bool RegistryKeyExists(HKEY root, const std::string& path);
// Whether a file of this name waits for deletion at the next start of Windows.
bool PendingDeletion(const std::string& file);

std::optional<DWORD> ReadConfigNumber(const std::string& name);
std::optional<std::string> ReadConfigString(const std::string& name);
void WriteConfigNumber(const std::string& name, DWORD value);
void WriteConfigString(const std::string& name, const std::string& value);
void DeleteConfigValue(const std::string& name);

// Puts a value back as it was when the guard was made, whatever the test did to it.
class ConfigValueGuard {
public:
    explicit ConfigValueGuard(std::string name);
    ~ConfigValueGuard();

private:
    std::string name_;
    DWORD type_ = REG_NONE;
    std::string data_;
};

// Writes a file of the installation folder and removes it when the guard ends.
class InstallFileGuard {
public:
    InstallFileGuard(const std::string& file, const std::string& contents);
    ~InstallFileGuard();
    const std::string& path() const { return path_; }

private:
    std::string path_;
};

// A small 24-bit bitmap file's bytes, for the branding files.
std::string BitmapFileBytes(int width, int height, COLORREF colour);

}  // namespace e2e

namespace e2e {

// The installation as it is now: the files of the installation folder and every value of the
// configuration key, put back when the snapshot ends, whatever a removal did meanwhile.
class InstallationSnapshot {
public:
    InstallationSnapshot();
    ~InstallationSnapshot();

private:
    struct Value {
        std::string name;
        DWORD type;
        std::string data;
    };
    std::string folder_;
    std::string backup_;
    std::vector<std::string> files_;
    std::vector<Value> values_;
};

}  // namespace e2e
