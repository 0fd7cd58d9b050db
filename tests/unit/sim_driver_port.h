// The simulated driver's engine as a program's DriverPort: every request is answered as the
// driver answers it, and what the program sent is read back from the driver's own log.
#pragma once

#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "driver_port.h"
#include "driver_requests.h"
#include "simulated_driver.h"

class SimDriverPort : public DriverPort {
public:
    struct Sent {
        uint32_t code;
        DriverBlock block;     // when the request carries the block
        SoundTestRecord test;  // when it is a test beep
        WindowRecord window;   // when it registers the right-button tool
    };

    std::vector<std::string>* journal = nullptr;  // gets each request's name, in order
    bool fails = false;      // the channel refuses every request, as a failing device does
    uint64_t now = 1000000;  // the driver's clock, microseconds; tests move it

    SimDriverPort() { engine_->reset(StartupValues{}); }

    using DriverPort::transact;
    bool transact(uint32_t code, void* buffer, uint32_t length) override {
        if (journal) {
            const DriverRequest* request = FindDriverRequest(code);
            journal->push_back(request ? request->name : "unknown request");
        }
        return !fails && steer(code, buffer, length);
    }

    DriverBlock block() {
        DriverBlock block{};
        steer(SIM_GET_BLOCK, &block, sizeof block);
        return block;
    }
    void putBlock(DriverBlock block) { steer(SIM_PUT_BLOCK, &block, sizeof block); }
    template <typename Change>
    void change(Change change) {
        DriverBlock held = block();
        change(held);
        putBlock(held);
    }

    // Calibration state, sound tests, the port resources told to the driver.
    SimState state() {
        SimState state{};
        steer(SIM_GET_STATE, &state, sizeof state);
        return state;
    }

    // Registers a window as the right-button tool does; what was sent is forgotten after it.
    void registerRightButton(int32_t handle, int16_t armed = 0) {
        WindowRecord record{handle, armed, 0};
        steer(IOCTL_SET_RB_WINDOW, &record, sizeof record);
        forgetSent();
    }
    void registerSmiTool(int32_t handle, int16_t rotation = 0) {
        WindowRecord record{handle, rotation, 0};
        steer(SIM_SET_SMI_WINDOW, &record, sizeof record);
    }
    // The finger down at raw X, Y, each sample within +-jitter of it; it stays down.
    void fingerAt(int x, int y, int jitter = 0) {
        SimTouch touch{int16_t(x), int16_t(y), uint16_t(jitter), 0};
        steer(SIM_TOUCH, &touch, sizeof touch);
    }
    void lift() {
        SimEmpty empty{};
        steer(SIM_LIFT, &empty, sizeof empty);
    }

    // Every entry of the driver's log from the sequence number on.
    std::vector<SimLogEntry> log(uint32_t from = 0) {
        std::vector<SimLogEntry> entries;
        auto page = std::make_unique<SimLogPage>();
        page->FirstSequence = from;
        while (steer(SIM_READ_LOG, page.get(), sizeof *page) && page->Count > 0) {
            entries.insert(entries.end(), page->Entries, page->Entries + page->Count);
            page->FirstSequence += page->Count;
        }
        return entries;
    }
    // The requests the driver accepted, from its log.
    std::vector<Sent> sent() {
        std::vector<Sent> sent;
        for (const SimLogEntry& entry : log()) {
            if (!entry.Accepted) continue;
            Sent request{entry.Code, {}, {}, {}};
            if (entry.InLength == sizeof(DriverBlock))
                std::memcpy(&request.block, entry.Data, sizeof request.block);
            if (entry.Code == IOCTL_SOUND_TEST)
                std::memcpy(&request.test, entry.Data, sizeof request.test);
            if (entry.Code == IOCTL_SET_RB_WINDOW)
                std::memcpy(&request.window, entry.Data, sizeof request.window);
            sent.push_back(request);
        }
        return sent;
    }
    void forgetSent() {
        SimEmpty empty{};
        steer(SIM_CLEAR_LOG, &empty, sizeof empty);
    }

    SimulatedDriver& engine() { return *engine_; }

private:
    bool steer(uint32_t code, void* buffer, uint32_t length) {
        return engine_->handle(code, buffer, length, length, now) != SimulatedDriver::kRefused;
    }

    std::unique_ptr<SimulatedDriver> engine_{new SimulatedDriver()};  // zeroed, as in the kernel
};
