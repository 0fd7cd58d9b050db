// The setup program as an installation runs it: the settings and branding files into the
// configuration key, its message window and boxes, and the restart.
#include <windows.h>

#include <cstdlib>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "config_key.h"
#include "desktop.h"
#include "e2e_test.h"
#include "program.h"
#include "sim_driver.h"
#include "wait.h"

using namespace e2e;

namespace {

const char kTitle[] = "TouchScreen Driver Installation";
const char kProgram[] = "NXWLHCdi.exe";
const char kSessionManager[] = "System\\CurrentControlSet\\Control\\Session Manager";
const char kPendingRenames[] = "PendingFileRenameOperations";
const char kFormClass[] = "NXForm";

// The values the settings file can write.
const char* const kSettingValues[] = {
    "CalibrationMode",  "VirtualButton",    "RightButtonFunction", "RightButtonAutomatic",
    "FeedbackSound",    "FeedbackTone",     "FeedbackDuration",    "MouseSpeed",
    "DoubleClickSpeed", "DoubleClickWidth", "DoubleClickHeight",   "PanelDirection",
    "AutoScanCOM",      "AutoScanDevice"};

// Every value the program reads or may write, each put back as it was when the test ends:
// the other tests and the driver's next start read the same key.
const char* const kGuardedValues[] = {"VenderName",  "VenderStyle", "InstallPath",
                                      "WindowsPath", "SystemPath",  "HardwareID"};

class SetupValuesGuard {
public:
    SetupValuesGuard() {
        for (const char* name : kSettingValues)
            guards_.push_back(std::make_unique<ConfigValueGuard>(name));
        for (const char* name : kGuardedValues)
            guards_.push_back(std::make_unique<ConfigValueGuard>(name));
    }

private:
    std::vector<std::unique_ptr<ConfigValueGuard>> guards_;
};

// A value as one comparable text: the number, the string, or "missing".
std::string Number(const std::string& name) {
    std::optional<DWORD> value = ReadConfigNumber(name);
    return value ? std::to_string(*value) : "missing";
}

std::string Text(const std::string& name) {
    return ReadConfigString(name).value_or("missing");
}

std::map<std::string, std::string> GuardedValues() {
    std::map<std::string, std::string> values;
    for (const char* name : kSettingValues) values[name] = Number(name);
    for (const char* name : kGuardedValues) values[name] = Text(name);
    return values;
}

// Files an earlier, interrupted run may have left in the installation folder.
void RemoveSetupFiles() {
    DeleteFileA((InstallPath() + "\\setup.ini").c_str());
    DeleteFileA((InstallPath() + "\\setup.oem").c_str());
}

// The pending-deletion list of the session manager, raw, so that it can be put back.
std::optional<std::string> ReadPendingRenames() {
    HKEY key;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kSessionManager, 0, KEY_READ, &key) != ERROR_SUCCESS)
        return std::nullopt;
    DWORD type = 0, size = 0;
    std::optional<std::string> value;
    if (RegQueryValueExA(key, kPendingRenames, nullptr, &type, nullptr, &size) == ERROR_SUCCESS) {
        std::string bytes(size, '\0');
        if (RegQueryValueExA(key, kPendingRenames, nullptr, &type,
                             reinterpret_cast<BYTE*>(&bytes[0]), &size) == ERROR_SUCCESS)
            value = bytes.substr(0, size);
    }
    RegCloseKey(key);
    return value;
}

void WritePendingRenames(const std::optional<std::string>& value) {
    HKEY key;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, kSessionManager, 0, KEY_SET_VALUE, &key) != ERROR_SUCCESS)
        return;
    if (value)
        RegSetValueExA(key, kPendingRenames, 0, REG_MULTI_SZ,
                       reinterpret_cast<const BYTE*>(value->data()), DWORD(value->size()));
    else
        RegDeleteValueA(key, kPendingRenames);
    RegCloseKey(key);
}

// A file scheduled for deletion at the next restart: Wine deletes it as soon as a restart is
// requested, so its absence says a restart happened.
class RestartWitness {
public:
    RestartWitness() : pending_(ReadPendingRenames()) {
        char folder[MAX_PATH] = {};
        GetTempPathA(MAX_PATH, folder);
        path_ =
            std::string(folder) + "nx_setup_restart_" + std::to_string(GetTickCount64()) + ".txt";
        HANDLE file = CreateFileA(path_.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file != INVALID_HANDLE_VALUE) CloseHandle(file);
        armed_ = file != INVALID_HANDLE_VALUE &&
                 MoveFileExA(path_.c_str(), nullptr, MOVEFILE_DELAY_UNTIL_REBOOT);
    }
    ~RestartWitness() {
        DeleteFileA(path_.c_str());
        WritePendingRenames(pending_);
    }
    bool armed() const { return armed_; }
    bool restarted() const { return GetFileAttributesA(path_.c_str()) == INVALID_FILE_ATTRIBUTES; }

private:
    std::optional<std::string> pending_;
    std::string path_;
    bool armed_ = false;
};

// The setting values put back and a restart watched for, in every test.
class SetupProgram : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(witness.armed()) << "a file could be scheduled for deletion at the restart";
    }
    SetupValuesGuard values;
    RestartWitness witness;
};

// The program's visible top-level windows.
std::vector<HWND> VisibleWindows(DWORD process) {
    std::vector<HWND> windows;
    for (HWND window = GetTopWindow(nullptr); window; window = GetWindow(window, GW_HWNDNEXT)) {
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        if (owner == process && IsWindowVisible(window)) windows.push_back(window);
    }
    return windows;
}

// The message window is the program's form titled with the program title.
HWND FindMessageWindow(DWORD process) {
    for (HWND window : VisibleWindows(process))
        if (ClassName(window) == kFormClass && WindowText(window) == kTitle) return window;
    return nullptr;
}

bool Near(long actual, long expected) {
    return std::labs(actual - expected) <= 1;
}

long CentreOf(HWND parent, HWND control) {
    RECT rect;
    GetWindowRect(control, &rect);
    MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&rect), 2);
    return (rect.top + rect.bottom) / 2;
}

// The message window as a user sees it behind the box that is up.
void CheckMessageWindow(HWND window) {
    HWND label = FindControlByName(window, "lblMsg");
    HWND image = FindControlByName(window, "imgMsg");
    ASSERT_TRUE(label && image) << "the window holds lblMsg and imgMsg";
    EXPECT_EQ(WindowText(label), "Setup is updating your system...");
    EXPECT_TRUE(IsWindowVisible(image)) << "the picture shows";
    RECT labelFrame, imageFrame;
    GetWindowRect(label, &labelFrame);
    GetWindowRect(image, &imageFrame);
    EXPECT_TRUE(imageFrame.right <= labelFrame.left) << "the picture stands left of the text";

    RECT client;
    GetClientRect(window, &client);
    EXPECT_TRUE(Near(CentreOf(window, label), client.bottom / 2))
        << "the text is centred vertically";
    EXPECT_TRUE(Near(CentreOf(window, image), client.bottom / 2))
        << "the picture is centred vertically";

    RECT frame;
    GetWindowRect(window, &frame);
    long width = frame.right - frame.left, height = frame.bottom - frame.top;
    long screenWidth = GetSystemMetrics(SM_CXSCREEN), screenHeight = GetSystemMetrics(SM_CYSCREEN);
    EXPECT_TRUE(Near(frame.left, (screenWidth - width) / 2))
        << "centred across: left " << frame.left << " for a window " << width << " wide";
    EXPECT_TRUE(Near(frame.top, screenHeight * 85 / 200 - height / 2))
        << "in the middle of the upper 85 %: top " << frame.top << " for a window " << height
        << " high";
    EXPECT_FALSE((GetWindowLongA(window, GWL_STYLE) & WS_SYSMENU)) << "no close box";
}

}  // namespace

TEST_F(SetupProgram, CopiesTheSettingsAndBrandingThenTellsAndRestarts) {
    for (const char* name : kSettingValues) DeleteConfigValue(name);
    // values the file leaves out or gives out of range must stay as they are
    WriteConfigNumber("VirtualButton", 2);
    WriteConfigNumber("FeedbackDuration", 20);
    WriteConfigNumber("MouseSpeed", 0x11111111);
    WriteConfigNumber("AutoScanCOM", 3);
    std::string longTitle = "Brinvale Touch Systems " + std::string(300, 'X');
    InstallFileGuard ini("setup.ini",
                         "[Settings]\r\n"
                         "CalibrationMode=0\r\n"
                         "VirtualButton=5\r\n"
                         "RightButtonFunction=1\r\n"
                         "RightButtonAutoMode=1\r\n"
                         "RightButtonAutoSTime=3\r\n"
                         "RightButtonAutoETime=9\r\n"
                         "RightButtonAutoBeep=0\r\n"
                         "FeedbackSound=2\r\n"
                         "FeedbackTone=5000\r\n"
                         "FeedbackDuration=9\r\n"
                         "MouseHSpeed=10\r\n"
                         "MouseVSpeed=12\r\n"
                         "MouseAcceleration=2\r\n"
                         "DoubleClickSpeed=  450  \r\n"
                         "DoubleClickWidth=2.5\r\n"
                         "DoubleClickHeight=3.5\r\n"
                         "PanelDirection=7\r\n"
                         "AutoScanCOM=-1\r\n"
                         "AutoScanDevice=99999\r\n");
    InstallFileGuard oem("setup.oem", "[SETUP]\r\nTITLE=" + longTitle + "\r\nSTYLE=11120915\r\n");

    Program setup(kProgram);
    ASSERT_TRUE(setup.started());
    MessageBoxInfo box;
    ASSERT_TRUE(WaitForMessageBox(kTitle, box, setup.id())) << "the final message shows";
    SaveScreenshot(box.handle, "setup_finished");
    EXPECT_EQ(box.text,
              "Setup has finished installing TouchScreen drivers and "
              "utilities on your computer.\r\n\r\nThe Windows must be "
              "restarted.");
    EXPECT_EQ(box.icon, "information");
    EXPECT_TRUE(box.buttons == std::vector<std::string>{"OK"}) << "only OK";
    EXPECT_TRUE(GetWindowLongA(box.handle, GWL_EXSTYLE) & WS_EX_TOPMOST) << "system-modal";
    EXPECT_FALSE(FindMessageWindow(setup.id())) << "the message window closed before the final box";
    EXPECT_FALSE(witness.restarted()) << "no restart before the user read the box";

    EXPECT_EQ(Number("CalibrationMode"), "0");
    EXPECT_EQ(Number("VirtualButton"), "2") << "5 is too large: the old value stays";
    EXPECT_EQ(Number("RightButtonFunction"), "1");
    EXPECT_EQ(Number("RightButtonAutomatic"), std::to_string(0x01030900));
    EXPECT_EQ(Number("FeedbackSound"), "2");
    EXPECT_EQ(Number("FeedbackTone"), "5000") << "the maximum itself is valid";
    EXPECT_EQ(Number("FeedbackDuration"), "20") << "9 is too small";
    EXPECT_EQ(Number("MouseSpeed"), std::to_string(0x11111111)) << "MouseBypass is missing";
    EXPECT_EQ(Number("DoubleClickSpeed"), "450");
    EXPECT_EQ(Number("DoubleClickWidth"), "2") << "2.5 rounds to even";
    EXPECT_EQ(Number("DoubleClickHeight"), "4") << "3.5 rounds to even";
    EXPECT_EQ(Number("PanelDirection"), "7");
    EXPECT_EQ(Number("AutoScanCOM"), "3");
    EXPECT_EQ(Number("AutoScanDevice"), "99999");
    EXPECT_EQ(Text("VenderName"), longTitle) << "a title longer than 255 characters is whole";
    EXPECT_EQ(Text("VenderStyle"), "11120915");

    EXPECT_TRUE(AnswerMessageBox(box, "OK"));
    DWORD code = 99;
    bool ended = setup.waitForExit(15000, &code);
    MessageBoxInfo failure;
    if (WaitForMessageBox(kTitle, failure, setup.id(), 0)) {
        ADD_FAILURE() << "the restart was refused: " << failure.text;
        AnswerMessageBox(failure, "OK");
    }
    EXPECT_TRUE(ended) << "the program ends after asking for the restart";
    EXPECT_EQ(code, 0u);
    EXPECT_TRUE(WaitUntil([&] { return witness.restarted(); }, 15000))
        << "Windows was asked to restart (the scheduled deletion ran)";

    EXPECT_TRUE(SimDriver().present())
        << "the driver and this runner outlive the restart under Wine";
}

TEST_F(SetupProgram, UnattendedUpdatesTheKeyWithoutAnyWindowOrRestart) {
    for (const char* name : kSettingValues) DeleteConfigValue(name);
    WriteConfigNumber("FeedbackTone", 1234);
    std::string name = Text("VenderName");
    InstallFileGuard ini(
        "setup.ini",
        "[Settings]\r\n"
        "MouseHSpeed=10\r\nMouseVSpeed=12\r\nMouseAcceleration=2\r\nMouseBypass=1\r\n"
        "FeedbackTone=5001\r\n"
        "DoubleClickSpeed=abc\r\n"
        "VirtualButton=2.5\r\n"
        "AutoScanDevice=1e3\r\n");
    InstallFileGuard oem("setup.oem", "[SETUP]\r\nTITLE=\r\nSTYLE=21000000\r\n");

    Program setup(kProgram, "/xpefbasetup");
    ASSERT_TRUE(setup.started());
    DWORD code = 99;
    bool ended = setup.waitForExit(15000, &code);
    EXPECT_TRUE(ended) << "it ends by itself, with nothing to answer";
    if (!ended) {
        MessageBoxInfo box;
        if (WaitForMessageBox(kTitle, box, setup.id(), 0))
            ADD_FAILURE() << "a box showed: " << box.text;
        return;
    }
    EXPECT_EQ(code, 0u);
    EXPECT_FALSE(witness.restarted()) << "no restart when unattended";

    EXPECT_EQ(Number("MouseSpeed"), "168559105");
    EXPECT_EQ(Number("FeedbackTone"), "1234") << "5001 is too large";
    EXPECT_EQ(Number("DoubleClickSpeed"), "missing") << "abc reads as 0, too small";
    EXPECT_EQ(Number("VirtualButton"), "2");
    EXPECT_EQ(Number("AutoScanDevice"), "1000");
    EXPECT_EQ(Number("CalibrationMode"), "missing") << "absent keys write nothing";
    EXPECT_EQ(Text("VenderName"), name) << "an empty TITLE leaves the vendor name";
    EXPECT_EQ(Text("VenderStyle"), "21000000");
}

TEST_F(SetupProgram, MissingInstallationFactsShowTheLoadFailureAndChangeNothing) {
    WriteConfigNumber("CalibrationMode", 1);
    DeleteConfigValue("HardwareID");
    std::string name = Text("VenderName");
    InstallFileGuard ini("setup.ini", "[Settings]\r\nCalibrationMode=0\r\n");
    InstallFileGuard oem("setup.oem", "[SETUP]\r\nTITLE=Somebody Else\r\n");

    Program setup(kProgram);
    ASSERT_TRUE(setup.started());
    MessageBoxInfo box;
    ASSERT_TRUE(WaitForMessageBox(kTitle, box, setup.id()));
    EXPECT_EQ(box.text, "Fail to load data from Register File!");
    EXPECT_EQ(box.icon, "none") << "a plain box";
    EXPECT_TRUE(box.buttons == std::vector<std::string>{"OK"}) << "only OK";

    HWND window = FindMessageWindow(setup.id());
    EXPECT_TRUE(window) << "the message window shows behind the box";
    if (window) {
        CheckMessageWindow(window);
        // the box stands centred over the window; moved below it, both can be seen
        RECT frame, boxFrame;
        GetWindowRect(window, &frame);
        GetWindowRect(box.handle, &boxFrame);
        SetWindowPos(box.handle, nullptr, boxFrame.left, frame.bottom + 8, 0, 0,
                     SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        SaveScreenshot(window, "setup_message_window");
        PostMessageA(window, WM_CLOSE, 0, 0);
        PumpFor(200);
        EXPECT_TRUE(IsWindowVisible(window)) << "a user cannot close it while the program works";
    }
    SaveScreenshot(box.handle, "setup_load_failure");
    EXPECT_TRUE(AnswerMessageBox(box, "OK"));
    DWORD code = 99;
    EXPECT_TRUE(setup.waitForExit(10000, &code)) << "the program ends after the box";
    EXPECT_EQ(code, 1u) << "the installation could not be finished";
    EXPECT_EQ(Number("CalibrationMode"), "1") << "no setting was copied";
    EXPECT_EQ(Text("VenderName"), name) << "no branding was applied";
    EXPECT_FALSE(witness.restarted()) << "no restart";
}

TEST_F(SetupProgram, UnattendedShowsTheLoadFailureBoxAloneWithoutTheMessageWindow) {
    DeleteConfigValue("SystemPath");
    Program setup(kProgram, "/XPEFBASETUP");
    ASSERT_TRUE(setup.started());
    MessageBoxInfo box;
    ASSERT_TRUE(WaitForMessageBox(kTitle, box, setup.id())) << "an error box shows even unattended";
    EXPECT_EQ(box.text, "Fail to load data from Register File!");
    EXPECT_TRUE(VisibleWindows(setup.id()) == std::vector<HWND>{box.handle})
        << "the box is the program's only window: no message window when unattended";
    EXPECT_TRUE(AnswerMessageBox(box, "OK"));
    DWORD code = 99;
    EXPECT_TRUE(setup.waitForExit(10000, &code));
    EXPECT_EQ(code, 1u);
    EXPECT_FALSE(witness.restarted());
}

TEST_F(SetupProgram, WithoutTheSetupFilesTheKeyStaysAsItWas) {
    RemoveSetupFiles();
    std::map<std::string, std::string> before = GuardedValues();
    Program setup(kProgram, " /XPEFBASETUP ");
    DWORD code = 99;
    EXPECT_TRUE(setup.waitForExit(15000, &code));
    EXPECT_EQ(code, 0u);
    EXPECT_TRUE(GuardedValues() == before) << "nothing was written";
}

namespace {

// The vendor name as Windows keeps it, whatever the code page.
std::wstring StoredVenderName() {
    wchar_t text[256] = {};
    DWORD size = sizeof text;
    LSTATUS status = RegGetValueW(HKEY_LOCAL_MACHINE, L"SOFTWARE\\Brinvale\\TouchScreen\\NX-COM",
                                  L"VenderName", RRF_RT_REG_SZ, nullptr, text, &size);
    return status == ERROR_SUCCESS ? text : L"missing";
}

std::wstring WideTextOf(HWND window, const std::string& control) {
    wchar_t text[256] = {};
    GetWindowTextW(FindControlByName(window, control), text, 256);
    return text;
}

std::wstring FromAnsi(const std::string& text) {
    wchar_t wide[256] = {};
    MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, wide, 256);
    return wide;
}

}  // namespace

// What a vendor's editor saves: today's Notepad UTF-8, with or without a mark, or the old ANSI.
TEST_F(SetupProgram, TheBrandingFileIsReadAsUtf8WhenItIsUtf8ElseInTheAnsiCodePage) {
    const std::wstring umlaut = L"M\u00FCller Touch";
    const struct {
        const char* saved;
        std::string file;
        std::wstring name;
    } kFiles[] = {
        {"UTF-8", "[SETUP]\r\nTITLE=M\xC3\xBCller Touch\r\n", umlaut},
        {"UTF-8 with a mark", "\xEF\xBB\xBF[SETUP]\r\nTITLE=M\xC3\xBCller Touch\r\n", umlaut},
        {"ANSI", "[SETUP]\r\nTITLE=M\xFCller Touch\r\n", FromAnsi("M\xFCller Touch")},
    };
    for (const auto& saved : kFiles) {
        InstallFileGuard oem("setup.oem", saved.file);
        Program setup(kProgram, "/XPEFBASETUP");
        EXPECT_TRUE(setup.waitForExit(15000)) << saved.saved;
        EXPECT_TRUE(StoredVenderName() == saved.name) << saved.saved << " is read as written";
    }

    InstallFileGuard oem("setup.oem", kFiles[0].file);
    Program setup(kProgram, "/XPEFBASETUP");
    ASSERT_TRUE(setup.waitForExit(15000));
    Program startup("NXWLHCao.exe", "/SDC");
    HWND window =
        WaitForWindowWith(" TouchScreen System Startup #NX-COM", "lblOemTitle", startup.id());
    ASSERT_TRUE(window) << "a window with the title band shows";
    SaveScreenshot(window, "title_band_utf8_vendor");
    EXPECT_TRUE(WideTextOf(window, "lblOemTitle") == umlaut) << "the umlaut shows in the band";
    PostMessageA(window, WM_CLOSE, 0, 0);
    EXPECT_TRUE(startup.waitForExit(10000));
}
