#include "registry_win32.h"

#include <windows.h>

static_assert(kRegSz == REG_SZ && kRegDword == REG_DWORD && kRegBinary == REG_BINARY);
static_assert(kErrorSuccess == ERROR_SUCCESS && kErrorMoreData == ERROR_MORE_DATA &&
              kErrorFileNotFound == ERROR_FILE_NOT_FOUND);
static_assert(sizeof(RegistryKey) == sizeof(HKEY));

namespace {

// A predefined key is a sign-extended 32-bit number, as windows.h defines HKEY_LOCAL_MACHINE.
HKEY RootKey(RegistryRoot root) {
    return reinterpret_cast<HKEY>(static_cast<ULONG_PTR>(static_cast<LONG>(root)));
}

HKEY OpenKey(RegistryKey key) {
    return reinterpret_cast<HKEY>(key);
}

}  // namespace

RegistryStatus Win32Registry::createKey(RegistryRoot root, const std::string& name,
                                        RegistryKey& key) {
    HKEY opened = nullptr;
    LONG status = RegCreateKeyA(RootKey(root), name.c_str(), &opened);
    key = status == ERROR_SUCCESS ? reinterpret_cast<RegistryKey>(opened) : 0;
    return status;
}

RegistryStatus Win32Registry::queryValueInfo(RegistryKey key, const std::string& name,
                                             RegistryType& type, uint32_t& size) {
    DWORD valueType = REG_NONE;
    DWORD valueSize = 0;
    LONG status =
        RegQueryValueExA(OpenKey(key), name.c_str(), nullptr, &valueType, nullptr, &valueSize);
    type = valueType;
    size = valueSize;
    return status;
}

RegistryStatus Win32Registry::queryValue(RegistryKey key, const std::string& name,
                                         RegistryType& type, uint8_t* data, uint32_t& size) {
    DWORD valueType = REG_NONE;
    DWORD valueSize = size;
    // A zero capacity would turn the call into a size query that reports success.
    if (data == nullptr || valueSize == 0) return ERROR_INVALID_PARAMETER;
    LONG status =
        RegQueryValueExA(OpenKey(key), name.c_str(), nullptr, &valueType, data, &valueSize);
    type = valueType;
    size = valueSize;
    return status;
}

RegistryStatus Win32Registry::setValue(RegistryKey key, const std::string& name, RegistryType type,
                                       const uint8_t* data, uint32_t size) {
    return RegSetValueExA(OpenKey(key), name.c_str(), 0, type, data, size);
}

RegistryStatus Win32Registry::closeKey(RegistryKey key) {
    return RegCloseKey(OpenKey(key));
}
