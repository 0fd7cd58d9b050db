// What a window model needs of the touch driver: one request with one buffer in and out.
#pragma once

#include <stdint.h>

class DriverPort {
public:
    virtual ~DriverPort() = default;
    // Sends the buffer with the request and takes the driver's answer into it. On failure the
    // buffer keeps its previous content; callers do not look at the result.
    virtual bool transact(uint32_t code, void* buffer, uint32_t length) = 0;

    template <typename Record>
    bool transact(uint32_t code, Record& record) {
        return transact(code, &record, sizeof record);
    }
};
