#include <gtest/gtest.h>

#include <cstring>
#include <memory>

#include "driver_requests.h"
#include "simulated_driver.h"

namespace {

struct Driver {
    std::unique_ptr<SimulatedDriver> state{new SimulatedDriver()};  // zeroed, as in the kernel
    uint64_t now = 1000000;
    Driver() { state->reset(StartupValues{}); }

    template <typename Record>
    bool send(uint32_t code, Record& record) {
        return state->handle(code, &record, sizeof record, sizeof record, now) >= 0;
    }
    DriverBlock block() {
        DriverBlock block{};
        send(SIM_GET_BLOCK, block);
        return block;
    }
    TouchReport touch() {
        TouchReport report{};
        send(IOCTL_READ_TOUCH, report);
        return report;
    }
    void fingerAt(int x, int y, int jitter = 0) {
        SimTouch touch{int16_t(x), int16_t(y), uint16_t(jitter), 0};
        send(SIM_TOUCH, touch);
    }
    void lift() {
        SimEmpty empty{};
        send(SIM_LIFT, empty);
    }
    int16_t armed() {
        WindowRecord record{};
        send(IOCTL_GET_RB_WINDOW, record);
        return record.Word;
    }
    std::vector<SimLogEntry> log(uint32_t from = 0) {
        auto page = std::make_unique<SimLogPage>();
        std::vector<SimLogEntry> entries;
        page->FirstSequence = from;
        while (send(SIM_READ_LOG, *page) && page->Count > 0) {
            entries.insert(entries.end(), page->Entries, page->Entries + page->Count);
            page->FirstSequence += page->Count;
        }
        return entries;
    }
};

}  // namespace

TEST(SimulatedDriver, NullBuffersAndOtherTransferMethodsAreRefused) {
    Driver driver;
    EXPECT_EQ(driver.state->handle(IOCTL_READ_SETTINGS, nullptr, 82, 82, 0), SimulatedDriver::kRefused);
    EXPECT_EQ(driver.state->handle(SIM_GET_BLOCK, nullptr, 82, 82, 0), SimulatedDriver::kRefused);
    uint8_t buffer[82] = {};
    EXPECT_EQ(driver.state->handle(IOCTL_READ_SETTINGS | 3, buffer, 82, 82, 0), SimulatedDriver::kRefused);
    EXPECT_EQ(driver.state->handle(SIM_RESET, buffer, 4, 4, 0), SimulatedDriver::kRefused)
        << "the reset needs the registry and belongs to the kernel shell";
}

TEST(SimulatedDriver, ResetForgetsRegistrationsAndTheFingerButKeepsTheLog) {
    Driver driver;
    WindowRecord rb{77, 1, 0};
    driver.send(IOCTL_SET_RB_WINDOW, rb);
    driver.fingerAt(5, 5);
    size_t logged = driver.log().size();
    driver.state->reset(StartupValues{});
    WindowRecord query{};
    driver.send(IOCTL_GET_RB_WINDOW, query);
    EXPECT_EQ(query.Handle, kNoWindow);
    EXPECT_EQ(driver.touch().Flags, 0);
    EXPECT_EQ(driver.log().size(), logged + 2) << "the new query and touch poll were added";
}

TEST(SimulatedDriver, SamplesComeAtTheSamplePeriodWhileTheFingerIsDown) {
    Driver driver;
    driver.fingerAt(100, 200);
    int16_t first = driver.touch().Counter;
    driver.now += kSamplePeriodMicroseconds - 1;
    EXPECT_EQ(driver.touch().Counter, first) << "too early for a new sample";
    driver.now += 1;
    EXPECT_EQ(driver.touch().Counter, int16_t(first + 1));
}

TEST(SimulatedDriver, PeekShowsTheLastReportWithoutSamplingCountingOrLogging) {
    Driver driver;
    driver.fingerAt(100, 200);
    TouchReport read = driver.touch();
    size_t logged = driver.log().size();
    driver.now += kSamplePeriodMicroseconds;
    TouchReport peeked{};
    ASSERT_TRUE(driver.send(SIM_PEEK_TOUCH, peeked));
    EXPECT_EQ(std::memcmp(&peeked, &read, sizeof read), 0) << "a due sample waits for a read";
    SimState state{};
    driver.send(SIM_GET_STATE, state);
    EXPECT_EQ(state.TouchReads, 1u);
    EXPECT_EQ(driver.log().size(), logged);
}

TEST(SimulatedDriver, CounterWrapsAroundWithoutTrouble) {
    Driver driver;
    driver.fingerAt(1, 1);
    for (int i = 0; i < 70000; ++i) {
        driver.now += kSamplePeriodMicroseconds;
        driver.touch();
    }
    EXPECT_EQ(driver.touch().Flags, kTouchedFlag);
}

TEST(SimulatedDriver, JitterStaysOnThePanel) {
    Driver driver;
    driver.fingerAt(1022, 0, 10);
    for (int i = 0; i < 200; ++i) {
        driver.now += kSamplePeriodMicroseconds;
        TouchReport report = driver.touch();
        ASSERT_GE(report.X, 1012);
        ASSERT_LE(report.X, 1023);
        ASSERT_GE(report.Y, 0);
        ASSERT_LE(report.Y, 10);
    }
}

TEST(SimulatedDriver, ArmingClearsOnlyWithTheLiftOfTheNextTouch) {
    Driver driver;
    WindowRecord arm{0x55, 1, 0};
    driver.send(IOCTL_SET_RB_WINDOW, arm);
    driver.lift();  // a lift without a touch changes nothing
    EXPECT_EQ(driver.armed(), 1);
    driver.fingerAt(10, 10);
    driver.fingerAt(20, 20);  // moving is the same touch
    EXPECT_EQ(driver.armed(), 1);
    driver.lift();
    EXPECT_EQ(driver.armed(), 0);
    WindowRecord disarm{0x55, 0, 0};
    driver.send(IOCTL_SET_RB_WINDOW, disarm);
    driver.fingerAt(1, 1);
    driver.lift();
    EXPECT_EQ(driver.armed(), 0);
}

TEST(SimulatedDriver, LogIsBoundedAndSaysWhatWasDropped) {
    Driver driver;
    DriverBlock block = driver.block();
    for (uint32_t i = 0; i < kSimLogCapacity + 40; ++i) driver.send(IOCTL_SET_SLEEP_TIME, block);
    std::vector<SimLogEntry> entries = driver.log();
    ASSERT_EQ(entries.size(), kSimLogCapacity);
    EXPECT_EQ(entries.front().Sequence, 40u);
    auto page = std::make_unique<SimLogPage>();
    page->FirstSequence = 0;
    driver.send(SIM_READ_LOG, *page);
    EXPECT_EQ(page->Dropped, 40u);
    EXPECT_EQ(page->FirstSequence, 40u);

    SimEmpty empty{};
    driver.send(SIM_CLEAR_LOG, empty);
    EXPECT_TRUE(driver.log().empty());
    driver.touch();
    driver.touch();
    entries = driver.log();
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].Repeat, 1u) << "consecutive touch polls fold into one entry";
}

TEST(SimulatedDriver, ComResourcesOutsideCom1ToCom9AreAcceptedButNotKept) {
    Driver driver;
    ComResourceRecord stray{12, 1, 2, 3, 4, 5, 1};
    EXPECT_TRUE(driver.send(IOCTL_SET_COM_RESOURCES, stray));
    SimState state{};
    driver.send(SIM_GET_STATE, state);
    for (const ComResourceRecord& kept : state.Resources) EXPECT_EQ(kept.Irq, -1);
}
