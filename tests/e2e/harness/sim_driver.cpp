#include "sim_driver.h"

#include "block_text.h"
#include "desktop.h"
#include "driver_requests.h"

#include <algorithm>

namespace e2e {

bool SimDriver::reset() const {
    SimEmpty empty{};
    return channel_.transact(SIM_RESET, empty) && clearLog();
}

DriverBlock SimDriver::block() const {
    DriverBlock block{};
    channel_.transact(SIM_GET_BLOCK, block);
    return block;
}

bool SimDriver::putBlock(const DriverBlock& block) const {
    DriverBlock copy = block;
    return channel_.transact(SIM_PUT_BLOCK, copy);
}

SimWindows SimDriver::windows() const {
    SimWindows windows{};
    channel_.transact(SIM_GET_WINDOWS, windows);
    return windows;
}

SimState SimDriver::state() const {
    SimState state{};
    channel_.transact(SIM_GET_STATE, state);
    return state;
}

bool SimDriver::touch(int x, int y, int jitter) const {
    SimTouch touch{int16_t(x), int16_t(y), uint16_t(jitter), 0};
    return channel_.transact(SIM_TOUCH, touch);
}

bool SimDriver::lift() const {
    SimEmpty empty{};
    return channel_.transact(SIM_LIFT, empty);
}

bool SimDriver::clearLog() const {
    SimEmpty empty{};
    return channel_.transact(SIM_CLEAR_LOG, empty);
}

bool SimDriver::registerRightButtonWindow(HWND window) const {
    WindowRecord record{HandleOf(window), 0, 0};
    return channel_.transact(IOCTL_SET_RB_WINDOW, record);
}

std::vector<std::string> SimDriver::log() const {
    std::vector<std::string> lines;
    SimLogPage page{};
    while (channel_.transact(SIM_READ_LOG, page) && page.Count > 0) {
        for (uint32_t i = 0; i < page.Count; ++i) lines.push_back(LogLine(page.Entries[i]));
        page.FirstSequence += page.Count;
    }
    return lines;
}

testing::AssertionResult SimDriver::logIs(const std::vector<std::string>& expected) const {
    std::vector<std::string> lines = log();
    if (lines == expected) return testing::AssertionSuccess();
    return testing::AssertionFailure() << "the driver's log:" << Lines(lines);
}

int32_t HandleOf(HWND window) {
    return int32_t(reinterpret_cast<INT_PTR>(window));
}

size_t CountRequests(const std::vector<std::string>& log, const std::string& request) {
    return size_t(std::count_if(log.begin(), log.end(), [&](const std::string& line) {
        return line.compare(0, request.size(), request) == 0;
    }));
}

}  // namespace e2e
