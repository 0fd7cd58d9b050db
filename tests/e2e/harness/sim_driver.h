// The tests' side of the simulated driver: its private requests, wrapped.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

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
    // Puts a window in the right-button tool's place, as the driver's public request does.
    bool registerRightButtonWindow(HWND window) const;
    std::vector<std::string> log() const;  // one line a request since the last clear
    // The log holds exactly these lines; the failure lists what it holds.
    testing::AssertionResult logIs(const std::vector<std::string>& expected) const;

private:
    SimChannel channel_;
};

// A test on the simulated driver, found and reset before the test and reset after it.
class DriverTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(driver.present()) << "the simulated driver answers";
        ASSERT_TRUE(driver.reset());
    }
    void TearDown() override { driver.reset(); }

    SimDriver driver;
};

// A window's handle as the driver keeps it.
int32_t HandleOf(HWND window);

// How many lines of the driver's log are requests of this name.
size_t CountRequests(const std::vector<std::string>& log, const std::string& request);

}  // namespace e2e
