// The startup program's automatic scan window ("/SAM") as a user works it.
#include <windows.h>

#include "config_key.h"
#include "e2e_test.h"
#include "startup_e2e_support.h"

using namespace e2e;
using namespace startup_e2e;

namespace {

struct StoredAutoScan {
    ConfigValueGuard port{"AutoScanCOM"};
    ConfigValueGuard device{"AutoScanDevice"};
};

HWND OpenAutoScan(Program& startup) {
    return WaitForProgramWindow(startup, "cboDevice");
}

HWND Part(HWND window, const char* name) {
    return FindControlByName(window, name);
}

// The device list's position of a code.
int DevicePosition(int code) {
    const int codes[] = {0, 100, 104, 106, 108, 400, 401, 402, 403, 404, 406};
    for (int i = 0; i < 11; ++i)
        if (codes[i] == code) return i;
    return -1;
}

bool Choose(HWND window, const char* list, int position, const std::string& shown) {
    ChooseListEntry(window, list, position);
    return bool(CHECK(WaitUntil([&] { return TextOf(window, list) == shown; }))
                << list << " shows \"" << shown << "\", got \"" << TextOf(window, list) << "\"");
}

}  // namespace

E2E_TEST(StartupAutoScan, OpensOnTheStoredChoice) {
    CloseLeftovers();
    StoredAutoScan guard;
    WriteConfigNumber("AutoScanCOM", 5);
    WriteConfigNumber("AutoScanDevice", 104);
    Program startup("NXWLHCao.exe", "/SAM");
    HWND window = OpenAutoScan(startup);
    if (!(CHECK(window) << "the automatic scan window shows")) return;
    SaveScreenshot(window, "startup_auto_scan");
    CHECK_EQ(TextOf(window, "lblSystem"), std::string(kVersionLine));
    CHECK_EQ(TextOf(window, "Frame1"), std::string("  Auto Scan Mode Configuration"));
    CHECK_EQ(TextOf(window, "cboCOM"), std::string("COM5"));
    CHECK_EQ(TextOf(window, "cboDevice"), std::string("104 - NXCOM ( 9600 BPS )"));
    CHECK_EQ(TextOf(window, "lblDetectMode"), std::string("Assign Mode"));
    CHECK(!Enabled(window, "cmdApply"));
    CHECK_EQ(SendMessageA(Part(window, "cboCOM"), CB_GETCOUNT, 0, 0), LRESULT(10));
    CHECK_EQ(SendMessageA(Part(window, "cboDevice"), CB_GETCOUNT, 0, 0), LRESULT(11));
    CHECK(FindTopWindow(kSmiTitle, false) == nullptr) << "no log-on run behind it";
    Press(Part(window, "cmdCandel"));
    CHECK(startup.waitForExit(5000));
}

E2E_TEST(StartupAutoScan, ApplyAndOKStoreTheChoice) {
    CloseLeftovers();
    StoredAutoScan guard;
    WriteConfigNumber("AutoScanCOM", 0);
    WriteConfigNumber("AutoScanDevice", 0);
    Program startup("NXWLHCao.exe", "/SAM");
    HWND window = OpenAutoScan(startup);
    if (!(CHECK(window) << "the automatic scan window shows")) return;
    CHECK_EQ(TextOf(window, "lblDetectMode"), std::string("Detect Mode"));
    if (!Choose(window, "cboCOM", 3, "COM3")) return;
    CHECK(Enabled(window, "cmdApply"));
    CHECK_EQ(TextOf(window, "lblDetectMode"), std::string("Detect Mode")) << "any device yet";
    if (!Choose(window, "cboDevice", DevicePosition(406), "406 - VTCOM ( 19200 BPS )")) return;
    CHECK_EQ(TextOf(window, "lblDetectMode"), std::string("Assign Mode"));
    SaveScreenshot(window, "startup_auto_scan_assign");
    Press(Part(window, "cmdApply"));
    CHECK(WaitUntil([&] { return !Enabled(window, "cmdApply"); })) << "Apply turns itself off";
    CHECK(ReadConfigNumber("AutoScanCOM") == 3u);
    CHECK(ReadConfigNumber("AutoScanDevice") == 406u);

    if (!Choose(window, "cboDevice", DevicePosition(400), "400 - VTCOM ( AUTO-BPS )")) return;
    CHECK_EQ(TextOf(window, "lblDetectMode"), std::string("Detect Mode"));
    if (!Choose(window, "cboDevice", DevicePosition(406), "406 - VTCOM ( 19200 BPS )")) return;
    CHECK(!Enabled(window, "cmdApply")) << "the stored choice again";
    if (!Choose(window, "cboDevice", DevicePosition(400), "400 - VTCOM ( AUTO-BPS )")) return;
    Press(Part(window, "cmdOK"));
    CHECK(startup.waitForExit(5000)) << "OK ends the program";
    CHECK(ReadConfigNumber("AutoScanDevice") == 400u) << "OK applied first";
    CHECK(ReadConfigNumber("AutoScanCOM") == 3u);
}

E2E_TEST(StartupAutoScan, CancelAndAnUnchangedOKStoreNothing) {
    CloseLeftovers();
    StoredAutoScan guard;
    DeleteConfigValue("AutoScanCOM");
    DeleteConfigValue("AutoScanDevice");
    {
        Program startup("NXWLHCao.exe", "/SAM");
        HWND window = OpenAutoScan(startup);
        if (!(CHECK(window) << "the automatic scan window shows")) return;
        CHECK_EQ(TextOf(window, "cboCOM"), std::string("AUTO"));
        CHECK_EQ(TextOf(window, "cboDevice"), std::string("0 - AUTO"));
        CHECK(!Enabled(window, "cmdApply")) << "missing values count as AUTO and AUTO";
        Press(Part(window, "cmdOK"));
        CHECK(startup.waitForExit(5000));
        CHECK(!ReadConfigNumber("AutoScanCOM") && !ReadConfigNumber("AutoScanDevice"))
            << "nothing written";
    }
    WriteConfigNumber("AutoScanCOM", 2);
    WriteConfigNumber("AutoScanDevice", 100);
    Program startup("NXWLHCao.exe", "/SAM");
    HWND window = OpenAutoScan(startup);
    if (!(CHECK(window) << "the automatic scan window shows")) return;
    if (!Choose(window, "cboCOM", 9, "COM9")) return;
    CHECK(Enabled(window, "cmdApply"));
    Press(Part(window, "cmdCandel"));
    CHECK(startup.waitForExit(5000)) << "Cancel ends the program";
    CHECK(ReadConfigNumber("AutoScanCOM") == 2u) << "nothing stored";
}

E2E_TEST(StartupAutoScan, AChoiceOutsideTheListsShowsAutoAndOffersApply) {
    CloseLeftovers();
    StoredAutoScan guard;
    WriteConfigNumber("AutoScanCOM", 12);
    WriteConfigNumber("AutoScanDevice", 105);
    Program startup("NXWLHCao.exe", "/SAM");
    HWND window = OpenAutoScan(startup);
    if (!(CHECK(window) << "the automatic scan window shows")) return;
    CHECK_EQ(TextOf(window, "cboCOM"), std::string("AUTO"));
    CHECK_EQ(TextOf(window, "cboDevice"), std::string("0 - AUTO"));
    CHECK(Enabled(window, "cmdApply")) << "what shows is not what is stored";
    Press(Part(window, "cmdApply"));
    CHECK(WaitUntil([&] { return ReadConfigNumber("AutoScanCOM") == 0u; }));
    CHECK(ReadConfigNumber("AutoScanDevice") == 0u);
    Press(Part(window, "cmdCandel"));
    CHECK(startup.waitForExit(5000));
}
