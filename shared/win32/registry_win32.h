// The configuration store's registry calls on the real Windows registry (advapi32, ANSI).
#pragma once

#include "registry_api.h"

class Win32Registry : public RegistryApi {
public:
    RegistryStatus createKey(RegistryRoot root, const std::string& name, RegistryKey& key) override;
    RegistryStatus queryValueInfo(RegistryKey key, const std::string& name, RegistryType& type,
                                  uint32_t& size) override;
    RegistryStatus queryValue(RegistryKey key, const std::string& name, RegistryType& type,
                              uint8_t* data, uint32_t& size) override;
    RegistryStatus setValue(RegistryKey key, const std::string& name, RegistryType type,
                            const uint8_t* data, uint32_t size) override;
    RegistryStatus closeKey(RegistryKey key) override;
};
