// The stand-ins beside the driver: the SMI tool and the driver's control tool.
#include <windows.h>

#include "e2e_test.h"
#include "desktop.h"
#include "driver_requests.h"
#include "program.h"
#include "sim_driver.h"
#include "wait.h"

using namespace e2e;

namespace {

std::string Touchsim(const std::string& arguments, DWORD& exitCode) {
    char self[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, self, MAX_PATH);
    std::string folder(self);
    folder.resize(folder.find_last_of('\\'));
    // the runner lives in tests/e2e of the build, touchsim in sim/
    std::string touchsim = folder + "\\..\\..\\sim\\touchsim.exe";
    std::string output;
    if (!RunConsole("\"" + touchsim + "\" " + arguments, output, exitCode)) exitCode = 9999;
    return output;
}

}  // namespace

TEST(SmiStandIn, RegistersItsWindowAndRotationAndQuitsOn200E) {
    CloseLeftoverWindows("SMI Tool (simulated)", 0x200E);
    SimDriver driver;
    ASSERT_TRUE(driver.present());
    ASSERT_TRUE(driver.reset());
    Program smi("NXWLHCvr.exe", "/ROTATE=2");
    ASSERT_TRUE(smi.started());
    HWND window = WaitForTopWindow("SMI Tool (simulated)");
    ASSERT_TRUE(window) << "the SMI tool's window shows";
    SaveScreenshot(window, "smi_tool");
    EXPECT_TRUE(WaitUntil([&] { return driver.windows().SmiHandle != kNoWindow; }));
    SimWindows windows = driver.windows();
    EXPECT_EQ(windows.SmiHandle, HandleOf(window));
    EXPECT_EQ(windows.Rotation, 2);

    DWORD_PTR result = 0;
    SendMessageTimeoutA(window, WM_USER, 0x1000, 0, SMTO_ABORTIFHUNG, 2000, &result);
    EXPECT_TRUE(IsWindow(window)) << "only 0x200E closes it";
    SendMessageTimeoutA(window, WM_USER, 0x200E, 0, SMTO_ABORTIFHUNG, 2000, &result);
    DWORD exitCode = 1;
    EXPECT_TRUE(smi.waitForExit(5000, &exitCode)) << "the SMI tool ends on 0x200E";
    EXPECT_EQ(exitCode, 0u);
    EXPECT_EQ(driver.windows().SmiHandle, kNoWindow) << "and withdraws its registration";
}

TEST(Touchsim, FixedCommandLineReadsAndSteersTheDriver) {
    SimDriver driver;
    ASSERT_TRUE(driver.present());
    ASSERT_TRUE(driver.reset());
    DWORD code = 0;
    std::string status = Touchsim("status", code);
    EXPECT_EQ(code, 0u);
    EXPECT_TRUE(status.find("\nComBase1=1016\nComIrq1=4\n") != std::string::npos) << status;
    EXPECT_TRUE(status.find("\nMcuCode=4E580705\n") != std::string::npos) << status;

    Touchsim("set SpeedH=17 McuCode=01020304 ComBase9=-1", code);
    EXPECT_EQ(code, 0u);
    DriverBlock block = driver.block();
    EXPECT_EQ(int(block.SpeedH), 17);
    EXPECT_EQ(int(block.McuCode[0]), 1);
    EXPECT_EQ(int(block.McuCode[3]), 4);
    EXPECT_EQ(int(block.Com[8].Base), -1);

    Touchsim("set SpeedH=256", code);
    EXPECT_EQ(code, 1u) << "an out-of-range value is a usage error";
    EXPECT_EQ(int(driver.block().SpeedH), 17) << "and changes nothing";

    Touchsim("touch 10 20", code);
    EXPECT_EQ(code, 0u);
    EXPECT_EQ(int(driver.state().Touched), 1);
    Touchsim("lift", code);
    EXPECT_EQ(int(driver.state().Touched), 0);

    EXPECT_EQ(Touchsim("windows", code), "RB=-1 armed=0\nSMI=-1 rotation=0\n");

    driver.clearLog();
    TouchReport report{};
    driver.channel().transact(IOCTL_READ_TOUCH, report);
    EXPECT_EQ(Touchsim("log --clear", code), "IOCTL_READ_TOUCH Count=1\n");
    EXPECT_EQ(Touchsim("log", code), std::string());

    Touchsim("reset", code);
    EXPECT_EQ(int(driver.block().SpeedH), 10) << "reset goes back to the start-up settings";

    std::string usage = Touchsim("touch 2000 1", code);
    EXPECT_EQ(code, 1u);
    EXPECT_TRUE(usage.find("usage: touchsim") != std::string::npos) << usage;
}

TEST(Harness, ReadsAndAnswersAMessageBox) {
    struct Shown {
        int answer = 0;
    } shown;
    HANDLE thread = CreateThread(
        nullptr, 0,
        [](LPVOID param) -> DWORD {
            static_cast<Shown*>(param)->answer =
                MessageBoxA(nullptr, "Fail to open NXWLHCOM.sys!", " Harness Check", 0x1010);
            return 0;
        },
        &shown, 0, nullptr);
    MessageBoxInfo box;
    bool boxShown = WaitForMessageBox(" Harness Check", box, GetCurrentProcessId());
    EXPECT_TRUE(boxShown);
    if (boxShown) {
        EXPECT_EQ(box.text, "Fail to open NXWLHCOM.sys!");
        EXPECT_EQ(box.icon, "stop");
        EXPECT_EQ(box.buttons.size(), size_t(1));
        SaveScreenshot(box.handle, "harness_message_box");
        EXPECT_TRUE(AnswerMessageBox(box, "OK"));
    }
    WaitForSingleObject(thread, 5000);
    CloseHandle(thread);
    EXPECT_EQ(shown.answer, IDOK);
}
