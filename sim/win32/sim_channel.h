// A connection to the simulated driver's control device for the stand-ins and the tests.
#pragma once

#include <windows.h>

#include <cstdint>

class SimChannel {
public:
    SimChannel();
    ~SimChannel();
    SimChannel(const SimChannel&) = delete;
    SimChannel& operator=(const SimChannel&) = delete;

    bool isOpen() const { return handle_ != INVALID_HANDLE_VALUE; }

    // One buffered request with the same buffer in and out. The lengths may differ from the
    // record's size so that tests can send what a careless caller would.
    bool request(uint32_t code, void* buffer, DWORD inLength, DWORD outLength,
                 DWORD* returned = nullptr) const;

    template <typename Record>
    bool transact(uint32_t code, Record& record) const {
        return request(code, &record, sizeof record, sizeof record);
    }

private:
    HANDLE handle_;
};
