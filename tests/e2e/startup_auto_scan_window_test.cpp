// The startup program's automatic scan window ("/SAM") as a user works it.
#include <windows.h>

#include <memory>

#include "config_key.h"
#include "e2e_test.h"
#include "startup_e2e_support.h"

using namespace e2e;
using namespace startup_e2e;

namespace {

// The automatic scan choice is put back as it was when the test ends.
class StartupAutoScan : public testing::Test {
protected:
    void SetUp() override { CloseLeftovers(); }

    // Starts the program with "/SAM"; its window once it shows.
    HWND Open() {
        startup = std::make_unique<Program>("NXWLHCao.exe", "/SAM");
        return WaitForProgramWindow(*startup, "cboDevice");
    }
    HWND OpenOn(DWORD storedPort, DWORD storedDevice) {
        WriteConfigNumber("AutoScanCOM", storedPort);
        WriteConfigNumber("AutoScanDevice", storedDevice);
        return Open();
    }

    ConfigValueGuard port{"AutoScanCOM"};
    ConfigValueGuard device{"AutoScanDevice"};
    std::unique_ptr<Program> startup;
};

// The device list's position of a code.
int DevicePosition(int code) {
    const int codes[] = {0, 100, 104, 106, 108, 400, 401, 402, 403, 404, 406};
    for (int i = 0; i < 11; ++i)
        if (codes[i] == code) return i;
    return -1;
}

// Chooses with the keys; the list shows what was chosen.
testing::AssertionResult Choose(HWND window, const char* list, int position,
                                const std::string& shown) {
    ChooseListEntry(window, list, position);
    if (WaitUntil([&] { return TextOf(window, list) == shown; }))
        return testing::AssertionSuccess();
    return testing::AssertionFailure()
           << list << " shows \"" << TextOf(window, list) << "\", not \"" << shown << "\"";
}

}  // namespace

TEST_F(StartupAutoScan, OpensOnTheStoredChoice) {
    HWND window = OpenOn(5, 104);
    ASSERT_TRUE(window) << "the automatic scan window shows";
    SaveScreenshot(window, "startup_auto_scan");
    EXPECT_EQ(TextOf(window, "lblSystem"), kVersionLine);
    EXPECT_EQ(TextOf(window, "Frame1"), "  Auto Scan Mode Configuration");
    EXPECT_EQ(TextOf(window, "cboCOM"), "COM5");
    EXPECT_EQ(TextOf(window, "cboDevice"), "104 - NXCOM ( 9600 BPS )");
    EXPECT_EQ(TextOf(window, "lblDetectMode"), "Assign Mode");
    EXPECT_FALSE(Enabled(window, "cmdApply"));
    EXPECT_EQ(SendMessageA(Part(window, "cboCOM"), CB_GETCOUNT, 0, 0), LRESULT(10));
    EXPECT_EQ(SendMessageA(Part(window, "cboDevice"), CB_GETCOUNT, 0, 0), LRESULT(11));
    EXPECT_TRUE(FindTopWindow(kSmiTitle, false) == nullptr) << "no log-on run behind it";
    Press(Part(window, "cmdCandel"));
    EXPECT_TRUE(startup->waitForExit(5000));
}

TEST_F(StartupAutoScan, ApplyAndOKStoreTheChoice) {
    HWND window = OpenOn(0, 0);
    ASSERT_TRUE(window) << "the automatic scan window shows";
    EXPECT_EQ(TextOf(window, "lblDetectMode"), "Detect Mode");
    ASSERT_TRUE(Choose(window, "cboCOM", 3, "COM3"));
    EXPECT_TRUE(Enabled(window, "cmdApply"));
    EXPECT_EQ(TextOf(window, "lblDetectMode"), "Detect Mode") << "any device yet";
    ASSERT_TRUE(Choose(window, "cboDevice", DevicePosition(406), "406 - VTCOM ( 19200 BPS )"));
    EXPECT_EQ(TextOf(window, "lblDetectMode"), "Assign Mode");
    SaveScreenshot(window, "startup_auto_scan_assign");
    Press(Part(window, "cmdApply"));
    EXPECT_TRUE(WaitUntil([&] { return !Enabled(window, "cmdApply"); }))
        << "Apply turns itself off";
    EXPECT_TRUE(ReadConfigNumber("AutoScanCOM") == 3u);
    EXPECT_TRUE(ReadConfigNumber("AutoScanDevice") == 406u);

    ASSERT_TRUE(Choose(window, "cboDevice", DevicePosition(400), "400 - VTCOM ( AUTO-BPS )"));
    EXPECT_EQ(TextOf(window, "lblDetectMode"), "Detect Mode");
    ASSERT_TRUE(Choose(window, "cboDevice", DevicePosition(406), "406 - VTCOM ( 19200 BPS )"));
    EXPECT_FALSE(Enabled(window, "cmdApply")) << "the stored choice again";
    ASSERT_TRUE(Choose(window, "cboDevice", DevicePosition(400), "400 - VTCOM ( AUTO-BPS )"));
    Press(Part(window, "cmdOK"));
    EXPECT_TRUE(startup->waitForExit(5000)) << "OK ends the program";
    EXPECT_TRUE(ReadConfigNumber("AutoScanDevice") == 400u) << "OK applied first";
    EXPECT_TRUE(ReadConfigNumber("AutoScanCOM") == 3u);
}

TEST_F(StartupAutoScan, CancelAndAnUnchangedOKStoreNothing) {
    DeleteConfigValue("AutoScanCOM");
    DeleteConfigValue("AutoScanDevice");
    HWND window = Open();
    ASSERT_TRUE(window) << "the automatic scan window shows";
    EXPECT_EQ(TextOf(window, "cboCOM"), "AUTO");
    EXPECT_EQ(TextOf(window, "cboDevice"), "0 - AUTO");
    EXPECT_FALSE(Enabled(window, "cmdApply")) << "missing values count as AUTO and AUTO";
    Press(Part(window, "cmdOK"));
    EXPECT_TRUE(startup->waitForExit(5000));
    EXPECT_TRUE(!ReadConfigNumber("AutoScanCOM") && !ReadConfigNumber("AutoScanDevice"))
        << "nothing written";

    window = OpenOn(2, 100);
    ASSERT_TRUE(window) << "the automatic scan window shows";
    ASSERT_TRUE(Choose(window, "cboCOM", 9, "COM9"));
    EXPECT_TRUE(Enabled(window, "cmdApply"));
    Press(Part(window, "cmdCandel"));
    EXPECT_TRUE(startup->waitForExit(5000)) << "Cancel ends the program";
    EXPECT_TRUE(ReadConfigNumber("AutoScanCOM") == 2u) << "nothing stored";
}

TEST_F(StartupAutoScan, AChoiceOutsideTheListsShowsAutoAndOffersApply) {
    HWND window = OpenOn(12, 105);
    ASSERT_TRUE(window) << "the automatic scan window shows";
    EXPECT_EQ(TextOf(window, "cboCOM"), "AUTO");
    EXPECT_EQ(TextOf(window, "cboDevice"), "0 - AUTO");
    EXPECT_TRUE(Enabled(window, "cmdApply")) << "what shows is not what is stored";
    Press(Part(window, "cmdApply"));
    EXPECT_TRUE(WaitUntil([&] { return ReadConfigNumber("AutoScanCOM") == 0u; }));
    EXPECT_TRUE(ReadConfigNumber("AutoScanDevice") == 0u);
    Press(Part(window, "cmdCandel"));
    EXPECT_TRUE(startup->waitForExit(5000));
}
