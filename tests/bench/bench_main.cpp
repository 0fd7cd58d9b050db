// Figures for ./tools/bench: round trips through Wine to the simulated driver.
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "calibration_bench.h"
#include "driver_requests.h"
#include "right_button_bench.h"
#include "startup_bench.h"
#include "sim_channel.h"
#include "sim_protocol.h"

namespace {

double Microseconds(const LARGE_INTEGER& from, const LARGE_INTEGER& to) {
    static LARGE_INTEGER frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return f;
    }();
    return double(to.QuadPart - from.QuadPart) * 1e6 / double(frequency.QuadPart);
}

// Microseconds one call of the request takes.
template <typename Request>
double TimeOf(Request request) {
    LARGE_INTEGER start, end;
    QueryPerformanceCounter(&start);
    request();
    QueryPerformanceCounter(&end);
    return Microseconds(start, end);
}

double Median(std::vector<double> values) {
    std::nth_element(values.begin(), values.begin() + values.size() / 2, values.end());
    return values[values.size() / 2];
}

}  // namespace

int RoundTrips() {
    SimChannel channel;
    if (!channel.isOpen()) {
        std::fprintf(stderr, "bench: the simulated driver is not there\n");
        return 2;
    }
    const int rounds = 3000;
    TouchReport report{}, peeked{};
    uint8_t scratch[8] = {};
    auto touch = [&] { channel.transact(IOCTL_READ_TOUCH, report); };
    // a private request that succeeds with the same 8 bytes: Wine's cost of an answer with data
    auto floor = [&] { channel.transact(SIM_PEEK_TOUCH, peeked); };
    auto refused = [&] { channel.request(0x000F2080, scratch, 8, 8); };
    for (int i = 0; i < 200; ++i) touch(), floor(), refused();  // warm every path
    // interleaved, so that a change of load meanwhile weighs on all three alike
    std::vector<double> touchTimes, floorTimes, refusedTimes;
    for (int i = 0; i < rounds; ++i) {
        touchTimes.push_back(TimeOf(touch));
        floorTimes.push_back(TimeOf(floor));
        refusedTimes.push_back(TimeOf(refused));
    }
    double touchUs = Median(touchTimes), floorUs = Median(floorTimes),
           refusedUs = Median(refusedTimes);
    std::printf("IOCTL_READ_TOUCH round trip:            %6.1f us (median of %d)\n", touchUs,
                rounds);
    std::printf(
        "succeeding request, same 8 bytes back:  %6.1f us  ratio %.2f (goal: 1.1 or less)\n",
        floorUs, touchUs / floorUs);
    std::printf("refused request:                        %6.1f us  ratio %.2f\n", refusedUs,
                touchUs / refusedUs);
    return 0;
}

int main(int argc, char** argv) {
    std::string what = argc > 1 ? argv[1] : "round-trips";
    if (what == "round-trips") return RoundTrips();
    if (what == "startup") return StartupBench(argc > 2 ? std::atoi(argv[2]) : 7);
    if (what == "panel-builds" && argc > 3)
        return PanelBuildsBench(std::atoi(argv[2]),
                                std::vector<std::string>(argv + 3, argv + argc));
    if (what == "right-button")
        return RightButtonBench(argc > 2 ? unsigned(std::atoi(argv[2])) : 3000);
    if (what == "calibration")
        return CalibrationBench(argc > 2 ? unsigned(std::atoi(argv[2])) : 3000);
    std::fprintf(stderr,
                 "usage: bench_runner round-trips | right-button [milliseconds] | startup [rounds]"
                 " | calibration [milliseconds] | panel-builds rounds path...\n");
    return 1;
}
