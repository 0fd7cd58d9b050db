#include "right_button_bench.h"

#include <algorithm>
#include <cstdio>
#include <vector>

#include "desktop.h"
#include "input.h"
#include "program.h"
#include "sim_driver.h"
#include "wait.h"

using namespace e2e;

namespace {

double MillisecondsSince(const LARGE_INTEGER& from) {
    LARGE_INTEGER now, frequency;
    QueryPerformanceCounter(&now);
    QueryPerformanceFrequency(&frequency);
    return double(now.QuadPart - from.QuadPart) * 1000.0 / double(frequency.QuadPart);
}

void Phase(const char* name) {
    std::printf("phase %s\n", name);
    std::fflush(stdout);
}

}  // namespace

// Prints phase markers around an idle and an armed stretch of equal length, for the caller to
// read the processor time of the whole prefix, then the latency of the button's return.
int RightButtonBench(unsigned stretchMs) {
    SimDriver driver;
    driver.reset();
    Program tool("NXWLHCrb.exe");
    HWND window = WaitForTopWindow(" C-RBF");
    HWND action = window ? FindControlByName(window, "cmdAction") : nullptr;
    if (!action) {
        std::fprintf(stderr, "bench: the right-button tool did not come up\n");
        return 1;
    }
    Sleep(1000);
    Phase("idle");
    Sleep(stretchMs);
    Press(action);
    WaitUntil([&] { return driver.windows().Armed == 1; });
    auto requestsSoFar = [&] {
        SimLogPage page{};
        page.FirstSequence = ~0u;
        driver.channel().transact(SIM_READ_LOG, page);
        return page.NextSequence;
    };
    Phase("armed");
    uint32_t before = requestsSoFar();
    Sleep(stretchMs);
    uint32_t after = requestsSoFar();
    Phase("end");
    std::printf("driver queries while armed: %.0f per second\n",
                (after - before) * 1000.0 / stretchMs);

    std::vector<double> latencies;
    for (int round = 0; round < 20; ++round) {
        if (round > 0) {
            Press(action);
            if (!WaitUntil([&] { return driver.windows().Armed == 1; })) {
                std::fprintf(stderr, "bench: round %d did not arm the driver\n", round);
                break;
            }
        }
        Sleep(20);
        driver.touch(500, 500);
        LARGE_INTEGER lifted;
        QueryPerformanceCounter(&lifted);
        driver.lift();
        while (!IsWindowVisible(action) && MillisecondsSince(lifted) < 2000) Sleep(1);
        latencies.push_back(MillisecondsSince(lifted));
    }
    std::sort(latencies.begin(), latencies.end());
    if (!latencies.empty())
        std::printf("flag cleared to button shown: median %.1f ms, worst %.1f ms (%zu rounds)\n",
                    latencies[latencies.size() / 2], latencies.back(), latencies.size());
    DWORD_PTR answer = 0;
    SendMessageTimeoutA(window, WM_USER, 0x100E, 0, SMTO_NORMAL, 5000, &answer);
    tool.waitForExit(5000);
    return 0;
}
