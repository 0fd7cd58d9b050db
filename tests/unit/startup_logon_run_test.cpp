#include <gtest/gtest.h>

#include <algorithm>

#include "logon_run.h"
#include "startup_fakes.h"

using namespace startup_fakes;

namespace {

constexpr int32_t kToolWindow = 0x2004A;

class LogonRunTest : public ::testing::Test {
protected:
    void SetUp() override {
        registry.putInstallFacts();
        ASSERT_TRUE(LoadInstallInfo(registry, config));
        LoadStoredDoubleClick(registry, config);
        pointer.journal = driver.journal = host.journal = &journal;
        driver.change([](DriverBlock& block) {
            block.ComPort = 1;
            block.ButtonMode = 1;
            block.RightButtonEnable = 0;
            block.ScreenWidth = 640;
            block.ScreenHeight = 480;
        });
    }
    void run() { RunLogon(host, pointer, registry, driver, config); }
    bool saw(const std::string& entry) const {
        return std::find(journal.begin(), journal.end(), entry) != journal.end();
    }
    size_t count(const std::string& entry) const {
        return size_t(std::count(journal.begin(), journal.end(), entry));
    }
    // The entries from the read of the settings on, without the double-click steps.
    std::vector<std::string> afterDoubleClick() const {
        auto open = std::find(journal.begin(), journal.end(), "open");
        return {open, journal.end()};
    }
    void rightButton(uint8_t enable, uint8_t automatic, uint8_t mode) {
        driver.change([&](DriverBlock& block) {
            block.RightButtonEnable = enable;
            block.RightButtonAuto = automatic;
            block.ButtonMode = mode;
        });
    }

    FakeRegistry registry;
    FakePointer pointer;
    SimDriverPort driver;
    FakeHost host;
    ProgramConfig config;
    std::vector<std::string> journal;
};

}  // namespace

TEST_F(LogonRunTest, WithoutStoredValuesTheDefaultsAreAppliedAndStoredFirst) {
    run();
    std::vector<std::string> expected = {"SPI 29 32", "SPI 30 32",           "SPI 32 500",
                                         "open",      "IOCTL_READ_SETTINGS", "start NXWLHCvr.exe",
                                         "close",     "pause 1000"};
    EXPECT_EQ(journal, expected);
    EXPECT_EQ(registry.number("DoubleClickSpeed"), 500u);
    EXPECT_EQ(registry.number("DoubleClickWidth"), 32u);
    EXPECT_EQ(registry.number("DoubleClickHeight"), 32u);
    EXPECT_EQ(registry.value("DoubleClickWidth", kMouseKeyName).bytes, std::string("32\0", 3));
    EXPECT_EQ(driver.block().ScreenWidth, 640) << "the SMI tool started: no screen size";
}

TEST_F(LogonRunTest, ARemoteSessionGetsTheDoubleClickSettingsAndLeavesTheDriverAlone) {
    host.console = false;
    host.smiStarts = false;
    rightButton(1, 0, 1);
    run();
    EXPECT_EQ(journal,
              (std::vector<std::string>{"SPI 29 32", "SPI 30 32", "SPI 32 500", "pause 1000"}));
    EXPECT_EQ(driver.block().ScreenWidth, 640) << "the remote screen's size is not the panel's";
}

TEST_F(LogonRunTest, AFailedDoubleClickStepIsReportedOnceBeforeTheDriverChecks) {
    pointer.failing = {kSetDoubleClickTime};
    registry.refusedKeys = {kMouseKeyName};
    run();
    std::vector<std::string> before(journal.begin(),
                                    std::find(journal.begin(), journal.end(), "open"));
    ASSERT_FALSE(before.empty());
    EXPECT_EQ(before.back(), "box Fail to SetDoubleClock (TR)!");
    EXPECT_EQ(count("box Fail to SetDoubleClock (TR)!"), 1u);
    EXPECT_TRUE(saw("start NXWLHCvr.exe")) << "the run goes on";
}

TEST_F(LogonRunTest, WhenTheSmiToolCannotStartTheDriverIsToldTheScreenSize) {
    host.smiStarts = false;
    host.screen = {1280, 1024};
    run();
    EXPECT_EQ(afterDoubleClick(),
              (std::vector<std::string>{"open", "IOCTL_READ_SETTINGS", "start NXWLHCvr.exe",
                                        "IOCTL_SET_SCREEN_SIZE", "close", "pause 1000"}));
    EXPECT_EQ(driver.block().ScreenWidth, 1280);
    EXPECT_EQ(driver.block().ScreenHeight, 1024);
    EXPECT_FALSE(saw("box Fail to initialize Right Button Function!")) << "no box for the SMI tool";
}

TEST_F(LogonRunTest, NoDriverOrNoControllerEndsAfterItsBoxWithoutPause) {
    host.driverOpens = false;
    run();
    EXPECT_EQ(afterDoubleClick(),
              (std::vector<std::string>{"open", "box Fail to open NXWLHCOM.sys!"}));

    journal.clear();
    host.driverOpens = true;
    driver.change([](DriverBlock& block) { block.ComPort = 0; });
    rightButton(1, 0, 1);
    run();
    EXPECT_EQ(afterDoubleClick(),
              (std::vector<std::string>{"open", "IOCTL_READ_SETTINGS",
                                        "box TouchScreen Controller Not Found!", "close"}));
    EXPECT_TRUE(saw("SPI 32 500")) << "the double-click settings come first all the same";
}

TEST_F(LogonRunTest, TheRightButtonToolIsStartedOnlyWhenTheFunctionNeedsIt) {
    struct Case {
        uint8_t enable, automatic, mode;
        bool queried;
    } cases[] = {
        {1, 0, 1, true},  {1, 0, 4, true},  {1, 1, 2, true},  {1, 2, 3, true},
        {1, 1, 4, false}, {1, 2, 4, false}, {0, 0, 1, false}, {2, 0, 1, false},
    };
    for (const Case& c : cases) {
        journal.clear();
        rightButton(c.enable, c.automatic, c.mode);
        run();
        std::string which = "enable " + std::to_string(c.enable) + ", auto " +
                            std::to_string(c.automatic) + ", mode " + std::to_string(c.mode);
        EXPECT_EQ(saw("IOCTL_GET_RB_WINDOW"), c.queried) << which;
        EXPECT_EQ(saw("start NXWLHCrb.exe"), c.queried) << which << ": no tool is registered";
        EXPECT_EQ(journal.back(), "pause 1000") << which;
    }
}

TEST_F(LogonRunTest, OnlyAnAutomaticToolThatAlreadyRanIsToldToHide) {
    rightButton(1, 1, 2);
    driver.registerRightButton(kToolWindow);
    host.toolWindows = {kToolWindow};
    run();
    EXPECT_EQ(afterDoubleClick(),
              (std::vector<std::string>{"open", "IOCTL_READ_SETTINGS", "start NXWLHCvr.exe",
                                        "IOCTL_GET_RB_WINDOW", "IOCTL_GET_RB_WINDOW",
                                        "notify " + std::to_string(kToolWindow) + " 4096", "close",
                                        "pause 1000"}));

    journal.clear();
    rightButton(1, 0, 2);
    run();
    EXPECT_FALSE(saw("start NXWLHCrb.exe")) << "already running";
    EXPECT_EQ(count("IOCTL_GET_RB_WINDOW"), 1u) << "manual switching: no hide";

    journal.clear();
    rightButton(1, 1, 2);
    driver.registerRightButton(kNoWindow);
    run();
    EXPECT_TRUE(saw("start NXWLHCrb.exe"));
    EXPECT_EQ(count("IOCTL_GET_RB_WINDOW"), 1u) << "a tool started now gets no message";
}

TEST_F(LogonRunTest, TheHideGoesOnlyToAToolStillRegisteredAtTheSecondQuery) {
    rightButton(1, 1, 3);
    driver.registerRightButton(kToolWindow);
    host.whileChecking = [&] { driver.registerRightButton(kNoWindow); };  // the tool ends
    host.toolWindows = {kToolWindow};
    run();
    EXPECT_EQ(count("IOCTL_GET_RB_WINDOW"), 2u);
    EXPECT_FALSE(saw("notify " + std::to_string(kToolWindow) + " 4096"));
    EXPECT_FALSE(saw("start NXWLHCrb.exe"));

    journal.clear();
    host.whileChecking = nullptr;
    driver.registerRightButton(0);
    host.toolWindows = {0};
    run();
    EXPECT_TRUE(saw("notify 0 4096")) << "0 is a handle, not -1";
}

TEST_F(LogonRunTest, ARegistrationLeftByADeadToolCountsAsNoTool) {
    rightButton(1, 1, 2);
    driver.registerRightButton(kToolWindow);
    run();
    EXPECT_TRUE(saw("start NXWLHCrb.exe"));
    EXPECT_EQ(count("IOCTL_GET_RB_WINDOW"), 1u) << "nothing is sent to a window that is gone";
}

TEST_F(LogonRunTest, AToolThatCannotStartIsReportedAndTheRunGoesOn) {
    rightButton(1, 0, 1);
    host.toolStarts = false;
    host.smiStarts = false;
    run();
    EXPECT_EQ(afterDoubleClick(),
              (std::vector<std::string>{
                  "open", "IOCTL_READ_SETTINGS", "start NXWLHCvr.exe", "IOCTL_SET_SCREEN_SIZE",
                  "IOCTL_GET_RB_WINDOW", "start NXWLHCrb.exe",
                  "box Fail to initialize Right Button Function!", "close", "pause 1000"}));
}

TEST(LogonPause, EndsOneSecondAfterTheRoundedTimeOfDay) {
    const uint32_t noon = 12 * 3600 * 1000;
    EXPECT_EQ(LogonPauseMilliseconds(noon), 1000u);
    EXPECT_EQ(LogonPauseMilliseconds(noon + 499), 501u);
    EXPECT_EQ(LogonPauseMilliseconds(noon + 500), 1500u);
    EXPECT_EQ(LogonPauseMilliseconds(noon + 999), 1001u);
    const uint32_t lastMillisecond = 24 * 3600 * 1000 - 1;
    EXPECT_EQ(LogonPauseMilliseconds(lastMillisecond), 1001u) << "the pause ends past midnight";
    EXPECT_EQ(LogonPauseMilliseconds(lastMillisecond - 400), 1401u);
    for (uint32_t t = 0; t < 3000; t += 7) {
        uint32_t pause = LogonPauseMilliseconds(noon + t);
        EXPECT_GE(pause, 500u) << t;
        EXPECT_LE(pause, 1500u) << t;
    }
}
