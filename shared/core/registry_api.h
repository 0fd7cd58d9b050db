// The ANSI registry calls the configuration store makes, behind an interface so that the store
// can be tested against a registry that holds whatever a careless or hostile writer left there.
#pragma once

#include <stdint.h>

#include <string>

// Windows' own numbers, so that the Win32 binding passes them through unchanged.
using RegistryRoot = uint32_t;   // a predefined key such as HKEY_LOCAL_MACHINE
using RegistryKey = uintptr_t;   // an open key's handle; 0 is no key
using RegistryStatus = int32_t;  // a Windows error code, 0 on success
using RegistryType = uint32_t;   // REG_SZ, REG_DWORD, ...

constexpr RegistryRoot kHkeyCurrentUser = 0x80000001;
constexpr RegistryRoot kHkeyLocalMachine = 0x80000002;

constexpr RegistryType kRegNone = 0;
constexpr RegistryType kRegSz = 1;
constexpr RegistryType kRegBinary = 3;
constexpr RegistryType kRegDword = 4;

constexpr RegistryStatus kErrorSuccess = 0;
constexpr RegistryStatus kErrorFileNotFound = 2;
constexpr RegistryStatus kErrorAccessDenied = 5;
constexpr RegistryStatus kErrorInvalidHandle = 6;
constexpr RegistryStatus kErrorMoreData = 234;

class RegistryApi {
public:
    virtual ~RegistryApi() = default;

    // RegCreateKeyA: opens root\name, creating every missing key on the way.
    virtual RegistryStatus createKey(RegistryRoot root, const std::string& name,
                                     RegistryKey& key) = 0;

    // RegQueryValueExA without a buffer: the value's type and its size in bytes.
    virtual RegistryStatus queryValueInfo(RegistryKey key, const std::string& name,
                                          RegistryType& type, uint32_t& size) = 0;

    // RegQueryValueExA into data: size holds the buffer's capacity on entry and the bytes
    // written on return. A value larger than the buffer gives kErrorMoreData and leaves the
    // buffer's contents undefined.
    virtual RegistryStatus queryValue(RegistryKey key, const std::string& name, RegistryType& type,
                                      uint8_t* data, uint32_t& size) = 0;

    // RegSetValueExA.
    virtual RegistryStatus setValue(RegistryKey key, const std::string& name, RegistryType type,
                                    const uint8_t* data, uint32_t size) = 0;

    // RegCloseKey.
    virtual RegistryStatus closeKey(RegistryKey key) = 0;
};
