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

// Median time of one request, in microseconds.
template <typename Request>
double MedianRoundTrip(int rounds, Request request) {
    std::vector<double> times;
    times.reserve(rounds);
    for (int i = 0; i < rounds; ++i) {
        LARGE_INTEGER start, end;
        QueryPerformanceCounter(&start);
        request();
        QueryPerformanceCounter(&end);
        times.push_back(Microseconds(start, end));
    }
    std::nth_element(times.begin(), times.begin() + rounds / 2, times.end());
    return times[rounds / 2];
}

}  // namespace

int RoundTrips() {
    SimChannel channel;
    if (!channel.isOpen()) {
        std::fprintf(stderr, "bench: the simulated driver is not there\n");
        return 2;
    }
    const int rounds = 3000;
    TouchReport report{};
    uint8_t scratch[8] = {};
    // warm both paths before measuring
    MedianRoundTrip(200, [&] { channel.transact(IOCTL_READ_TOUCH, report); });
    double touch = MedianRoundTrip(rounds, [&] { channel.transact(IOCTL_READ_TOUCH, report); });
    double refused = MedianRoundTrip(rounds, [&] { channel.request(0x000F2080, scratch, 8, 8); });
    std::printf("IOCTL_READ_TOUCH round trip: %.1f us (median of %d)\n", touch, rounds);
    std::printf("refused request round trip:  %.1f us (median of %d, Wine's own floor)\n", refused,
                rounds);
    std::printf("ratio: %.2f (goal: 1.1 or less)\n", touch / refused);
    // a request that succeeds and does nothing (a lift with no finger down) tells Wine's cost of
    // answering with data apart from the driver's own work
    SimEmpty empty{};
    double idle = MedianRoundTrip(rounds, [&] { channel.transact(SIM_LIFT, empty); });
    std::printf("succeeding do-nothing request: %.1f us (ratio to refused %.2f)\n", idle,
                idle / refused);
    return 0;
}

int main(int argc, char** argv) {
    std::string what = argc > 1 ? argv[1] : "round-trips";
    if (what == "round-trips") return RoundTrips();
    if (what == "startup") return StartupBench(argc > 2 ? std::atoi(argv[2]) : 7);
    if (what == "right-button") return RightButtonBench(argc > 2 ? unsigned(std::atoi(argv[2])) : 3000);
    if (what == "calibration") return CalibrationBench(argc > 2 ? unsigned(std::atoi(argv[2])) : 3000);
    std::fprintf(stderr, "usage: bench_runner round-trips | right-button [milliseconds] | startup [rounds]"
                         " | calibration [milliseconds]\n");
    return 1;
}
