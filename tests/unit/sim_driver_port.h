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
    bool fails = false;  // the channel refuses every request, as a failing device does

    SimDriverPort() { engine_->reset(StartupValues{}); }

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
    // A touch and its lift-off: the right click an armed tool waits for.
    void tap() {
        SimTouch touch{512, 384, 0, 0};
        steer(SIM_TOUCH, &touch, sizeof touch);
        SimEmpty empty{};
        steer(SIM_LIFT, &empty, sizeof empty);
    }

    // The requests the driver accepted, from its log.
    std::vector<Sent> sent() {
        std::vector<Sent> sent;
        auto page = std::make_unique<SimLogPage>();
        page->FirstSequence = 0;
        while (steer(SIM_READ_LOG, page.get(), sizeof *page) && page->Count > 0) {
            for (uint32_t i = 0; i < page->Count; ++i) {
                const SimLogEntry& entry = page->Entries[i];
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
            page->FirstSequence += page->Count;
        }
        return sent;
    }
    void forgetSent() {
        SimEmpty empty{};
        steer(SIM_CLEAR_LOG, &empty, sizeof empty);
    }

private:
    bool steer(uint32_t code, void* buffer, uint32_t length) {
        now_ += kSamplePeriodMicroseconds;
        return engine_->handle(code, buffer, length, length, now_) != SimulatedDriver::kRefused;
    }

    std::unique_ptr<SimulatedDriver> engine_{new SimulatedDriver()};  // zeroed, as in the kernel
    uint64_t now_ = 1000000;
};
