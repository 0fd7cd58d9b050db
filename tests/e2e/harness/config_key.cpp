#include "config_key.h"

#include <cstdio>
#include <vector>

#include "program.h"

namespace e2e {
namespace {

constexpr char kConfigKey[] = "SOFTWARE\\Brinvale\\TouchScreen\\NX-COM";

HKEY OpenKey() {
    HKEY key = nullptr;
    RegCreateKeyA(HKEY_LOCAL_MACHINE, kConfigKey, &key);
    return key;
}

bool ReadRawFrom(HKEY key, const std::string& name, DWORD& type, std::string& data) {
    DWORD size = 0;
    bool found =
        RegQueryValueExA(key, name.c_str(), nullptr, &type, nullptr, &size) == ERROR_SUCCESS;
    if (found) {
        data.assign(size, '\0');
        found = RegQueryValueExA(key, name.c_str(), nullptr, &type,
                                 reinterpret_cast<BYTE*>(&data[0]), &size) == ERROR_SUCCESS;
        data.resize(size);
    }
    return found;
}

bool ReadRaw(const std::string& name, DWORD& type, std::string& data) {
    HKEY key = OpenKey();
    bool found = ReadRawFrom(key, name, type, data);
    RegCloseKey(key);
    return found;
}

std::optional<DWORD> AsNumber(bool found, DWORD type, const std::string& data) {
    if (!found || type != REG_DWORD || data.size() != 4) return std::nullopt;
    DWORD value;
    memcpy(&value, data.data(), 4);
    return value;
}

std::optional<std::string> AsString(bool found, DWORD type, const std::string& data) {
    if (!found || type != REG_SZ) return std::nullopt;
    return std::string(data.c_str());
}

bool ReadRawAt(HKEY root, const std::string& path, const std::string& name, DWORD& type,
               std::string& data) {
    HKEY key;
    if (RegOpenKeyExA(root, path.c_str(), 0, KEY_READ | KEY_WOW64_64KEY, &key) != ERROR_SUCCESS)
        return false;
    bool found = ReadRawFrom(key, name, type, data);
    RegCloseKey(key);
    return found;
}

}  // namespace

std::optional<std::string> ReadRegistryString(HKEY root, const std::string& path,
                                              const std::string& name) {
    DWORD type = 0;
    std::string data;
    bool found = ReadRawAt(root, path, name, type, data);
    return AsString(found, type, data);
}

std::optional<DWORD> ReadRegistryNumber(HKEY root, const std::string& path,
                                        const std::string& name) {
    DWORD type = 0;
    std::string data;
    bool found = ReadRawAt(root, path, name, type, data);
    return AsNumber(found, type, data);
}

bool RegistryKeyExists(HKEY root, const std::string& path) {
    HKEY key;
    if (RegOpenKeyExA(root, path.c_str(), 0, KEY_READ | KEY_WOW64_64KEY, &key) != ERROR_SUCCESS)
        return false;
    RegCloseKey(key);
    return true;
}

bool PendingDeletion(const std::string& file) {
    DWORD type = 0;
    std::string data;
    return ReadRawAt(HKEY_LOCAL_MACHINE, "System\\CurrentControlSet\\Control\\Session Manager",
                     "PendingFileRenameOperations", type, data) &&
           data.find(file) != std::string::npos;
}

std::optional<DWORD> ReadConfigNumber(const std::string& name) {
    DWORD type = 0;
    std::string data;
    bool found = ReadRaw(name, type, data);
    return AsNumber(found, type, data);
}

std::optional<std::string> ReadConfigString(const std::string& name) {
    DWORD type = 0;
    std::string data;
    bool found = ReadRaw(name, type, data);
    return AsString(found, type, data);
}

void WriteConfigNumber(const std::string& name, DWORD value) {
    HKEY key = OpenKey();
    RegSetValueExA(key, name.c_str(), 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value), 4);
    RegCloseKey(key);
}

void WriteConfigString(const std::string& name, const std::string& value) {
    HKEY key = OpenKey();
    RegSetValueExA(key, name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                   DWORD(value.size() + 1));
    RegCloseKey(key);
}

void DeleteConfigValue(const std::string& name) {
    HKEY key = OpenKey();
    RegDeleteValueA(key, name.c_str());
    RegCloseKey(key);
}

ConfigValueGuard::ConfigValueGuard(std::string name) : name_(std::move(name)) {
    if (!ReadRaw(name_, type_, data_)) type_ = REG_NONE;
}

ConfigValueGuard::~ConfigValueGuard() {
    HKEY key = OpenKey();
    if (type_ == REG_NONE)
        RegDeleteValueA(key, name_.c_str());
    else
        RegSetValueExA(key, name_.c_str(), 0, type_, reinterpret_cast<const BYTE*>(data_.data()),
                       DWORD(data_.size()));
    RegCloseKey(key);
}

InstallFileGuard::InstallFileGuard(const std::string& file, const std::string& contents)
    : path_(InstallPath() + "\\" + file) {
    if (FILE* out = std::fopen(path_.c_str(), "wb")) {
        std::fwrite(contents.data(), 1, contents.size(), out);
        std::fclose(out);
    }
}

InstallFileGuard::~InstallFileGuard() {
    DeleteFileA(path_.c_str());
}

std::string BitmapFileBytes(int width, int height, COLORREF colour) {
    DWORD stride = (DWORD(width) * 3 + 3) & ~3u;
    BITMAPFILEHEADER file{};
    BITMAPINFOHEADER info{};
    info.biSize = sizeof info;
    info.biWidth = width;
    info.biHeight = height;
    info.biPlanes = 1;
    info.biBitCount = 24;
    file.bfType = 0x4D42;
    file.bfOffBits = sizeof file + sizeof info;
    file.bfSize = file.bfOffBits + stride * height;
    std::string bytes(reinterpret_cast<const char*>(&file), sizeof file);
    bytes.append(reinterpret_cast<const char*>(&info), sizeof info);
    std::string row(stride, '\0');
    for (int x = 0; x < width; ++x) {
        row[3 * x] = char(GetBValue(colour));
        row[3 * x + 1] = char(GetGValue(colour));
        row[3 * x + 2] = char(GetRValue(colour));
    }
    for (int y = 0; y < height; ++y) bytes += row;
    return bytes;
}

}  // namespace e2e

namespace e2e {

InstallationSnapshot::InstallationSnapshot() : folder_(InstallPath()) {
    char temp[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, temp);
    backup_ = std::string(temp) + "nx-installation-snapshot";
    CreateDirectoryA(backup_.c_str(), nullptr);
    WIN32_FIND_DATAA found;
    HANDLE search = FindFirstFileA((folder_ + "\\*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
        do {
            if (found.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) continue;
            files_.push_back(found.cFileName);
            CopyFileA((folder_ + "\\" + found.cFileName).c_str(),
                      (backup_ + "\\" + found.cFileName).c_str(), FALSE);
        } while (FindNextFileA(search, &found));
        FindClose(search);
    }
    HKEY key = OpenKey();
    for (DWORD index = 0;; ++index) {
        char name[256];
        DWORD nameSize = sizeof name, type = 0, dataSize = 0;
        if (RegEnumValueA(key, index, name, &nameSize, nullptr, &type, nullptr, &dataSize) !=
            ERROR_SUCCESS)
            break;
        Value value{name, type, std::string(dataSize, '\0')};
        nameSize = sizeof name;
        RegEnumValueA(key, index, name, &nameSize, nullptr, &type,
                      reinterpret_cast<BYTE*>(&value.data[0]), &dataSize);
        values_.push_back(value);
    }
    RegCloseKey(key);
}

InstallationSnapshot::~InstallationSnapshot() {
    CreateDirectoryA(folder_.c_str(), nullptr);
    for (const std::string& file : files_) {
        CopyFileA((backup_ + "\\" + file).c_str(), (folder_ + "\\" + file).c_str(), FALSE);
        DeleteFileA((backup_ + "\\" + file).c_str());
    }
    RemoveDirectoryA(backup_.c_str());
    HKEY key = OpenKey();
    for (const Value& value : values_)
        RegSetValueExA(key, value.name.c_str(), 0, value.type,
                       reinterpret_cast<const BYTE*>(value.data.data()), DWORD(value.data.size()));
    RegCloseKey(key);
}

}  // namespace e2e
