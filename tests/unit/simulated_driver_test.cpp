#include <gtest/gtest.h>

#include <cstring>
#include <memory>

#include "driver_requests.h"
#include "sim_driver_port.h"

namespace {

TouchReport Touch(SimDriverPort& driver) {
    TouchReport report{};
    driver.transact(IOCTL_READ_TOUCH, report);
    return report;
}

int16_t Armed(SimDriverPort& driver) {
    WindowRecord record{};
    driver.transact(IOCTL_GET_RB_WINDOW, record);
    return record.Word;
}

}  // namespace

TEST(SimulatedDriver, NullBuffersAndOtherTransferMethodsAreRefused) {
    SimDriverPort driver;
    EXPECT_EQ(driver.engine().handle(IOCTL_READ_SETTINGS, nullptr, 82, 82, 0),
              SimulatedDriver::kRefused);
    EXPECT_EQ(driver.engine().handle(SIM_GET_BLOCK, nullptr, 82, 82, 0), SimulatedDriver::kRefused);
    uint8_t buffer[82] = {};
    EXPECT_EQ(driver.engine().handle(IOCTL_READ_SETTINGS | 3, buffer, 82, 82, 0),
              SimulatedDriver::kRefused);
    EXPECT_EQ(driver.engine().handle(SIM_RESET, buffer, 4, 4, 0), SimulatedDriver::kRefused)
        << "the reset needs the registry and belongs to the kernel shell";
}

TEST(SimulatedDriver, ResetForgetsRegistrationsAndTheFingerButKeepsTheLog) {
    SimDriverPort driver;
    WindowRecord rb{77, 1, 0};
    driver.transact(IOCTL_SET_RB_WINDOW, rb);
    driver.fingerAt(5, 5);
    size_t logged = driver.log().size();
    driver.engine().reset(StartupValues{});
    WindowRecord query{};
    driver.transact(IOCTL_GET_RB_WINDOW, query);
    EXPECT_EQ(query.Handle, kNoWindow);
    EXPECT_EQ(Touch(driver).Flags, 0);
    EXPECT_EQ(driver.log().size(), logged + 2) << "the new query and touch poll were added";
}

TEST(SimulatedDriver, SamplesComeAtTheSamplePeriodWhileTheFingerIsDown) {
    SimDriverPort driver;
    driver.fingerAt(100, 200);
    int16_t first = Touch(driver).Counter;
    driver.now += kSamplePeriodMicroseconds - 1;
    EXPECT_EQ(Touch(driver).Counter, first) << "too early for a new sample";
    driver.now += 1;
    EXPECT_EQ(Touch(driver).Counter, int16_t(first + 1));
}

TEST(SimulatedDriver, PeekShowsTheLastReportWithoutSamplingCountingOrLogging) {
    SimDriverPort driver;
    driver.fingerAt(100, 200);
    TouchReport read = Touch(driver);
    size_t logged = driver.log().size();
    driver.now += kSamplePeriodMicroseconds;
    TouchReport peeked{};
    ASSERT_TRUE(driver.transact(SIM_PEEK_TOUCH, peeked));
    EXPECT_EQ(std::memcmp(&peeked, &read, sizeof read), 0) << "a due sample waits for a read";
    SimState state{};
    driver.transact(SIM_GET_STATE, state);
    EXPECT_EQ(state.TouchReads, 1u);
    EXPECT_EQ(driver.log().size(), logged);
}

TEST(SimulatedDriver, CounterWrapsAroundWithoutTrouble) {
    SimDriverPort driver;
    driver.fingerAt(1, 1);
    for (int i = 0; i < 70000; ++i) {
        driver.now += kSamplePeriodMicroseconds;
        Touch(driver);
    }
    EXPECT_EQ(Touch(driver).Flags, kTouchedFlag);
}

TEST(SimulatedDriver, JitterStaysOnThePanel) {
    SimDriverPort driver;
    driver.fingerAt(1022, 0, 10);
    for (int i = 0; i < 200; ++i) {
        driver.now += kSamplePeriodMicroseconds;
        TouchReport report = Touch(driver);
        ASSERT_GE(report.X, 1012);
        ASSERT_LE(report.X, 1023);
        ASSERT_GE(report.Y, 0);
        ASSERT_LE(report.Y, 10);
    }
}

TEST(SimulatedDriver, ArmingClearsOnlyWithTheLiftOfTheNextTouch) {
    SimDriverPort driver;
    WindowRecord arm{0x55, 1, 0};
    driver.transact(IOCTL_SET_RB_WINDOW, arm);
    driver.lift();  // a lift without a touch changes nothing
    EXPECT_EQ(Armed(driver), 1);
    driver.fingerAt(10, 10);
    driver.fingerAt(20, 20);  // moving is the same touch
    EXPECT_EQ(Armed(driver), 1);
    driver.lift();
    EXPECT_EQ(Armed(driver), 0);
    WindowRecord disarm{0x55, 0, 0};
    driver.transact(IOCTL_SET_RB_WINDOW, disarm);
    driver.fingerAt(1, 1);
    driver.lift();
    EXPECT_EQ(Armed(driver), 0);
}

TEST(SimulatedDriver, LogIsBoundedAndSaysWhatWasDropped) {
    SimDriverPort driver;
    DriverBlock block = driver.block();
    for (uint32_t i = 0; i < kSimLogCapacity + 40; ++i)
        driver.transact(IOCTL_SET_SLEEP_TIME, block);
    std::vector<SimLogEntry> entries = driver.log();
    ASSERT_EQ(entries.size(), kSimLogCapacity);
    EXPECT_EQ(entries.front().Sequence, 40u);
    auto page = std::make_unique<SimLogPage>();
    page->FirstSequence = 0;
    driver.transact(SIM_READ_LOG, *page);
    EXPECT_EQ(page->Dropped, 40u);
    EXPECT_EQ(page->FirstSequence, 40u);

    SimEmpty empty{};
    driver.transact(SIM_CLEAR_LOG, empty);
    EXPECT_TRUE(driver.log().empty());
    Touch(driver);
    Touch(driver);
    entries = driver.log();
    ASSERT_EQ(entries.size(), 1u);
    EXPECT_EQ(entries[0].Repeat, 1u) << "consecutive touch polls fold into one entry";
}

TEST(SimulatedDriver, ComResourcesOutsideCom1ToCom9AreAcceptedButNotKept) {
    SimDriverPort driver;
    ComResourceRecord stray{12, 1, 2, 3, 4, 5, 1};
    EXPECT_TRUE(driver.transact(IOCTL_SET_COM_RESOURCES, stray));
    SimState state{};
    driver.transact(SIM_GET_STATE, state);
    for (const ComResourceRecord& kept : state.Resources) EXPECT_EQ(kept.Irq, -1);
}
