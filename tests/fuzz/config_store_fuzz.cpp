// A registry holding anything: the store's reads never overrun, never crash, and a failed
// read leaves the caller's value as it was.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "config_store.h"

namespace {

// One value per read, its type, claimed size and bytes taken from the fuzzer's input; the
// claimed size may disagree with the bytes actually there, as a changing value would.
class HostileRegistry : public RegistryApi {
public:
    HostileRegistry(const uint8_t* data, size_t size) : data_(data, data + size) {}

    RegistryStatus createKey(RegistryRoot, const std::string&, RegistryKey& key) override {
        key = take() % 8 == 0 ? 0 : 0x1234;
        return key ? kErrorSuccess : kErrorAccessDenied;
    }
    RegistryStatus queryValueInfo(RegistryKey, const std::string&, RegistryType& type,
                                  uint32_t& size) override {
        type = take() % 6;
        size = take() % 4 == 0 ? 0xFFFFFFF0u : take() * 7u;
        return take() % 10 == 0 ? kErrorFileNotFound : kErrorSuccess;
    }
    RegistryStatus queryValue(RegistryKey, const std::string&, RegistryType& type, uint8_t* data,
                              uint32_t& size) override {
        type = take() % 6;
        uint32_t wanted = take() * 3u;
        if (wanted > size) {
            size = wanted;
            return kErrorMoreData;
        }
        for (uint32_t i = 0; i < wanted; ++i) data[i] = take();
        size = wanted;
        return take() % 12 == 0 ? kErrorAccessDenied : kErrorSuccess;
    }
    RegistryStatus setValue(RegistryKey, const std::string&, RegistryType, const uint8_t*,
                            uint32_t) override {
        return kErrorSuccess;
    }
    RegistryStatus closeKey(RegistryKey) override { return kErrorSuccess; }

private:
    uint8_t take() { return next_ < data_.size() ? data_[next_++] : 0; }
    std::vector<uint8_t> data_;
    size_t next_ = 0;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    HostileRegistry registry(data, size);
    ProgramConfig config;
    config.installPath = "kept";
    bool loaded = LoadInstallInfo(registry, config);
    if (loaded && config.key.subkey != "NX-COM") std::abort();
    uint32_t before = config.calibrationMode;
    if (!LoadCalibrationMode(registry, config) && config.calibrationMode != before) std::abort();
    LoadDoubleClick(registry, config);
    LoadAutoScan(registry, config);
    return 0;
}
