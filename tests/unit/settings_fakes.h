// A touch driver for the settings dialogs' models: it holds its own block, applies exactly the
// bytes each request applies, answers with its whole block and records what it was sent.
#pragma once

#include <cstring>
#include <vector>

#include "driver_port.h"
#include "driver_requests.h"
#include "name_tables.h"

class FakeSettingsDriver : public DriverPort {
public:
    struct Sent {
        uint32_t code;
        DriverBlock block;     // when the request carries the block
        SoundTestRecord test;  // when it is a test beep
    };

    DriverBlock held{};
    std::vector<Sent> sent;
    bool fails = false;

    bool transact(uint32_t code, void* buffer, uint32_t length) override {
        const DriverRequest* request = FindDriverRequest(code);
        if (fails || request == nullptr || length != request->length) return false;
        Sent record{code, {}, {}};
        if (length == sizeof(DriverBlock)) std::memcpy(&record.block, buffer, length);
        if (code == IOCTL_SOUND_TEST) std::memcpy(&record.test, buffer, length);
        sent.push_back(record);
        if (request->rangeCount == 0) return true;
        auto* bytes = static_cast<uint8_t*>(buffer);
        auto* kept = reinterpret_cast<uint8_t*>(&held);
        for (size_t offset = 0; offset < sizeof(DriverBlock); ++offset)
            if (RequestAppliesByte(*request, offset)) kept[offset] = bytes[offset];
        std::memcpy(buffer, &held, sizeof(DriverBlock));
        return true;
    }
};

inline NameTables FilledNames() {
    NameTables names;
    FillNameTables(names);
    return names;
}

// The bytes of two blocks that differ, as offsets.
inline std::vector<size_t> DifferingBytes(const DriverBlock& a, const DriverBlock& b) {
    std::vector<size_t> offsets;
    auto* left = reinterpret_cast<const uint8_t*>(&a);
    auto* right = reinterpret_cast<const uint8_t*>(&b);
    for (size_t offset = 0; offset < sizeof(DriverBlock); ++offset)
        if (left[offset] != right[offset]) offsets.push_back(offset);
    return offsets;
}
