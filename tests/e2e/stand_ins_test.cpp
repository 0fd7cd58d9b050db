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

E2E_TEST(SmiStandIn, RegistersItsWindowAndRotationAndQuitsOn200E) {
    CloseLeftoverWindows("SMI Tool (simulated)", 0x200E);
    SimDriver driver;
    if (!CHECK(driver.present()) || !CHECK(driver.reset())) return;
    Program smi("NXWLHCvr.exe", "/ROTATE=2");
    if (!CHECK(smi.started())) return;
    HWND window = WaitForTopWindow("SMI Tool (simulated)");
    if (!(CHECK(window) << "the SMI tool's window shows")) return;
    SaveScreenshot(window, "smi_tool");
    CHECK(WaitUntil([&] { return driver.windows().SmiHandle != kNoWindow; }));
    SimWindows windows = driver.windows();
    CHECK_EQ(windows.SmiHandle, int32_t(reinterpret_cast<INT_PTR>(window)));
    CHECK_EQ(windows.Rotation, 2);

    DWORD_PTR result = 0;
    SendMessageTimeoutA(window, WM_USER, 0x1000, 0, SMTO_ABORTIFHUNG, 2000, &result);
    CHECK(IsWindow(window)) << "only 0x200E closes it";
    SendMessageTimeoutA(window, WM_USER, 0x200E, 0, SMTO_ABORTIFHUNG, 2000, &result);
    DWORD exitCode = 1;
    CHECK(smi.waitForExit(5000, &exitCode)) << "the SMI tool ends on 0x200E";
    CHECK_EQ(exitCode, 0u);
    CHECK_EQ(driver.windows().SmiHandle, kNoWindow) << "and withdraws its registration";
}

E2E_TEST(Touchsim, FixedCommandLineReadsAndSteersTheDriver) {
    SimDriver driver;
    if (!CHECK(driver.present()) || !CHECK(driver.reset())) return;
    DWORD code = 0;
    std::string status = Touchsim("status", code);
    CHECK_EQ(code, 0u);
    CHECK(status.find("\nComBase1=1016\nComIrq1=4\n") != std::string::npos) << status;
    CHECK(status.find("\nMcuCode=4E580705\n") != std::string::npos) << status;

    Touchsim("set SpeedH=17 McuCode=01020304 ComBase9=-1", code);
    CHECK_EQ(code, 0u);
    DriverBlock block = driver.block();
    CHECK_EQ(int(block.SpeedH), 17);
    CHECK_EQ(int(block.McuCode[0]), 1);
    CHECK_EQ(int(block.McuCode[3]), 4);
    CHECK_EQ(int(block.Com[8].Base), -1);

    Touchsim("set SpeedH=256", code);
    CHECK_EQ(code, 1u) << "an out-of-range value is a usage error";
    CHECK_EQ(int(driver.block().SpeedH), 17) << "and changes nothing";

    Touchsim("touch 10 20", code);
    CHECK_EQ(code, 0u);
    CHECK_EQ(int(driver.state().Touched), 1);
    Touchsim("lift", code);
    CHECK_EQ(int(driver.state().Touched), 0);

    CHECK_EQ(Touchsim("windows", code), std::string("RB=-1 armed=0\nSMI=-1 rotation=0\n"));

    driver.clearLog();
    TouchReport report{};
    driver.channel().transact(IOCTL_READ_TOUCH, report);
    CHECK_EQ(Touchsim("log --clear", code), std::string("IOCTL_READ_TOUCH Count=1\n"));
    CHECK_EQ(Touchsim("log", code), std::string());

    Touchsim("reset", code);
    CHECK_EQ(int(driver.block().SpeedH), 10) << "reset goes back to the start-up settings";

    std::string usage = Touchsim("touch 2000 1", code);
    CHECK_EQ(code, 1u);
    CHECK(usage.find("usage: touchsim") != std::string::npos) << usage;
}

E2E_TEST(Harness, ReadsAndAnswersAMessageBox) {
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
    if (CHECK(WaitForMessageBox(" Harness Check", box, GetCurrentProcessId()))) {
        CHECK_EQ(box.text, std::string("Fail to open NXWLHCOM.sys!"));
        CHECK_EQ(box.icon, std::string("stop"));
        CHECK_EQ(box.buttons.size(), size_t(1));
        SaveScreenshot(box.handle, "harness_message_box");
        CHECK(AnswerMessageBox(box, "OK"));
    }
    WaitForSingleObject(thread, 5000);
    CloseHandle(thread);
    CHECK_EQ(shown.answer, IDOK);
}
