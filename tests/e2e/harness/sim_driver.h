// The tests' side of the simulated driver: its private requests, wrapped.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "sim_channel.h"
#include "sim_protocol.h"

namespace e2e {

class SimDriver {
public:
    bool present() const { return channel_.isOpen(); }
    const SimChannel& channel() const { return channel_; }

    bool reset() const;  // start-up settings, no registrations, finger up
    DriverBlock block() const;
    bool putBlock(const DriverBlock& block) const;
    SimWindows windows() const;
    SimState state() const;
    bool touch(int x, int y, int jitter = 0) const;
    bool lift() const;
    bool clearLog() const;
    std::vector<std::string> log() const;  // one line a request since the last clear

private:
    SimChannel channel_;
};

// A window's handle as the driver keeps it.
int32_t HandleOf(HWND window);

// How many lines of the driver's log are requests of this name.
size_t CountRequests(const std::vector<std::string>& log, const std::string& request);

}  // namespace e2e
