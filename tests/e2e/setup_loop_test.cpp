// The loop an installation closes: the setup program writes the defaults, and the driver
// starts from them the next time it starts.
#include <windows.h>

#include <memory>
#include <vector>

#include "config_key.h"
#include "driver_service.h"
#include "e2e_test.h"
#include "program.h"
#include "sim_driver.h"

using namespace e2e;

TEST(SetupLoop, TheDriverStartsFromTheSettingsTheSetupProgramWrote) {
    std::vector<std::unique_ptr<ConfigValueGuard>> guards;
    for (const char* name :
         {"CalibrationMode", "VirtualButton", "RightButtonFunction", "RightButtonAutomatic",
          "FeedbackSound", "FeedbackTone", "FeedbackDuration", "MouseSpeed", "DoubleClickSpeed",
          "DoubleClickWidth", "DoubleClickHeight", "AutoScanCOM", "AutoScanDevice",
          "PanelDirection", "VenderName", "VenderStyle"})
        guards.push_back(std::make_unique<ConfigValueGuard>(name));
    InstallFileGuard ini("setup.ini",
                         "[Settings]\r\nVirtualButton=3\r\nRightButtonFunction=1\r\n"
                         "RightButtonAutoMode=1\r\nRightButtonAutoSTime=4\r\n"
                         "RightButtonAutoETime=7\r\nRightButtonAutoBeep=0\r\nFeedbackSound=4\r\n"
                         "FeedbackTone=1200\r\nFeedbackDuration=40\r\nMouseBypass=1\r\n"
                         "MouseHSpeed=10\r\nMouseVSpeed=12\r\nMouseAcceleration=2\r\n");
    Program setup("NXWLHCdi.exe", "/XPEFBASETUP");
    DWORD code = 1;
    ASSERT_TRUE(setup.waitForExit(20000, &code)) << "the unattended setup ends";
    EXPECT_TRUE(ReadConfigNumber("MouseSpeed") == 168559105u) << "10, 12, 2, 1 packed";
    // the next start of the driver, as after a restart of Windows
    bool stopped = StopDriverService();
    if (!stopped) StartDriverService();
    ASSERT_TRUE(stopped);
    ASSERT_TRUE(StartDriverService());
    SimDriver driver;
    DriverBlock block = driver.block();
    EXPECT_EQ(int(block.ButtonMode), 3);
    EXPECT_EQ(int(block.RightButtonEnable), 1);
    EXPECT_EQ(int(block.RightButtonAuto), 1);
    EXPECT_EQ(int(block.RightButtonOnTime), 4);
    EXPECT_EQ(int(block.RightButtonOffTime), 7);
    EXPECT_EQ(int(block.SoundMode), 4);
    EXPECT_EQ(int(block.SoundTone), 1200);
    EXPECT_EQ(int(block.SoundDuration), 40);
    EXPECT_EQ(int(block.SpeedH), 10);
    EXPECT_EQ(int(block.SpeedV), 12);
    EXPECT_EQ(int(block.Acceleration), 2);
    EXPECT_EQ(int(block.BypassMode), 1);
    guards.clear();
    driver.reset();  // back to the environment's own start-up settings for the tests after
}
