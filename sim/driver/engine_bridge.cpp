#include "engine_bridge.h"

#include "../core/simulated_driver.h"

namespace {
SimulatedDriver gDriver;  // zero-initialised; the driver shell serialises every call
}

extern "C" int SimStartupValueCount(void) { return StartupValueCount; }

extern "C" const wchar_t* SimStartupValueName(int index) { return kStartupValueNames[index]; }

extern "C" void SimReset(const unsigned char* present, const uint32_t* values) {
    StartupValues startup;
    for (int i = 0; i < StartupValueCount; ++i) {
        startup.present[i] = present[i] != 0;
        startup.value[i] = values[i];
    }
    gDriver.reset(startup);
}

extern "C" int32_t SimHandle(uint32_t code, void* buffer, uint32_t inLength, uint32_t outLength,
                             uint64_t nowMicroseconds) {
    return gDriver.handle(code, buffer, inLength, outLength, nowMicroseconds);
}
