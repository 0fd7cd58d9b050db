#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

#include "control_panel_start.h"
#include "registry_fake.h"
#include "sim_driver_port.h"

using basComPorts::PortDevice;

namespace {

const std::string kInstall = "C:\\Program Files\\Brinvale TouchScreen";
// InstallPath as any user may set it: the panel never looks there
const std::string kUsersFolder = "C:\\Users\\Public\\Planted";
const std::string kRunningText =
    "box Application is running!\r\rPlease find and select the running window from Taskbar.";

// The main window and Windows as the start sees them; everything asked lands in one journal
// with the driver's requests.
struct FakePanelHost : ControlPanelStartHost {
    std::vector<std::string> journal;
    std::vector<std::string> steps;
    bool windowMade = true;
    bool alone = true;
    bool runningFound = true;
    bool driverOpens = true;
    std::set<std::string> files;
    std::vector<PortDevice> devices;

    void note(const std::string& what) { journal.push_back(what); }
    bool createMainWindow() override {
        note("window");
        return windowMade;
    }
    bool claimSingleInstance() override {
        note("instance");
        return alone;
    }
    bool bringRunningInstanceForward() override {
        note("bring forward");
        return runningFound;
    }
    void finishLayout() override { note("layout"); }
    void setHourglass(bool on) override { note(on ? "hourglass" : "pointer"); }
    void showError(const std::string& text) override { note("box " + text); }
    void brand(const ProgramConfig& config) override { note("brand " + config.venderName); }
    bool fileExists(const std::string& path) override {
        note("exists? " + path.substr(path.rfind('\\') + 1));
        return files.count(path) != 0;
    }
    void showSupportButton(SupportButton button) override {
        const char* names[] = {"Support", "About", "Blank"};
        note(std::string("support ") + names[int(button)]);
    }
    bool openDriver() override {
        note("open");
        return driverOpens;
    }
    void reportOpenFailure() override { note("box Fail to open NXWLHCOM.sys!"); }
    void closeDriver() override { note("close"); }
    std::vector<PortDevice> portDevices() override {
        note("ports");
        return devices;
    }
    void showStatusLines(const StatusLines& lines) override {
        note("status " + lines.usingDevice + " | " + lines.virtualButton);
    }
    void connectEvents() override { note("events"); }
    void selectCalibrationMethod(int index) override { note("method " + std::to_string(index)); }
    void place() override { note("place"); }
    void show() override { note("show"); }
    void openCalibration() override { note("calibration"); }
    void stepDone(const char* step) override { steps.push_back(step); }
};

PortDevice Com(const std::string& name, uint64_t base, uint32_t irq) {
    PortDevice device;
    device.portName = name;
    device.nodeStatus = basComPorts::NodeStatus{0x0180200A, 0};
    device.allocated = basComPorts::PortConfiguration{{{base, base + 7}}, {irq}};
    return device;
}

// A start of the control panel on an installation with the simulated driver's factory block.
struct Panel {
    FakeRegistry registry;
    SimDriverPort driver;
    FakePanelHost host;
    ControlPanelState state;

    Panel() {
        registry.putInstallFacts(kUsersFolder);
        state.config.programFolder = kInstall;
        driver.journal = &host.journal;
    }
    PanelStart run() {
        PanelStart result = RunControlPanelStart(host, registry, driver, state);
        EXPECT_TRUE(registry.open.empty()) << "a key was left open";
        return result;
    }
    // The journal from the entry on.
    std::vector<std::string> from(const std::string& entry) const {
        auto at = std::find(host.journal.begin(), host.journal.end(), entry);
        return {at, host.journal.end()};
    }
};

}  // namespace

TEST(ControlPanelStart, StartsInOrderAndTellsTheDriverEveryPresentPortBeforeTheRead) {
    Panel panel;
    FakePanelHost& host = panel.host;
    host.devices = {Com("COM3", 0x3E8, 4), Com("LPT1", 0x378, 7), Com("com1", 0x3F8, 4)};
    host.files = {kInstall + "\\NXVender.Bmp"};
    EXPECT_EQ(panel.run(), PanelStart::Ready);
    EXPECT_EQ(host.journal, (std::vector<std::string>{
                                "window",
                                "instance",
                                "layout",
                                "hourglass",
                                "pointer",
                                "brand Brinvale",
                                "exists? NXVender.Cut",
                                "exists? NXVender.Bmp",
                                "support Support",
                                "hourglass",
                                "open",
                                "ports",
                                "IOCTL_SET_COM_RESOURCES",
                                "IOCTL_SET_COM_RESOURCES",
                                "IOCTL_READ_SETTINGS",
                                "status COM1, 9600 BPS (N,8,1) *NXCOM | Stream Mode, RBF Disable",
                                "events",
                                "method 1",
                                "place",
                                "pointer",
                                "show"}));
    SimState told = panel.driver.state();
    EXPECT_EQ(told.Resources[0].FirstAddress, 0x3F8) << "in port order, not listing order";
    EXPECT_EQ(told.Resources[2].FirstAddress, 0x3E8);
    EXPECT_EQ(told.Resources[1].FirstAddress, -1) << "no COM2: nothing sent for it";
    EXPECT_EQ(panel.state.ports[2].Irq, 4) << "the table stays with the panel for its views";
    EXPECT_EQ(panel.state.block.ComPort, 1);
    EXPECT_EQ(panel.state.names.mode[4], "Drag Drop Mode");
    EXPECT_EQ(panel.state.vendorBitmapPath, kInstall + "\\NXVender.Bmp");
    EXPECT_EQ(host.steps,
              (std::vector<std::string>{
                  "window and controls created", "single instance, window height",
                  "installation facts (registry)", "branding: fonts, pictures, files",
                  "driver opened", "serial port walk", "driver requests: resources, settings",
                  "status lines, calibration method (registry)"}));
}

TEST(ControlPanelStart, CalibrateOpensTheCalibrationInsteadOfShowingTheMainWindow) {
    EXPECT_TRUE(IsCalibrateSwitch("/CALIBRATE"));
    EXPECT_TRUE(IsCalibrateSwitch("/calibrate"));
    for (const char* other : {"", " /CALIBRATE", "/CALIBRATE now", "/CAL"})
        EXPECT_FALSE(IsCalibrateSwitch(other)) << other;

    Panel panel;
    panel.state.calibrateOnly = true;
    EXPECT_EQ(panel.run(), PanelStart::Ready);
    EXPECT_EQ(panel.from("method 1"),
              (std::vector<std::string>{"method 1", "place", "pointer", "calibration"}))
        << "every step of a start first, then the calibration in the stored mode";
}

TEST(ControlPanelStart, EachFailureEndsTheStartAfterItsOneBox) {
    struct Case {
        const char* what;
        void (*arrange)(Panel&);
        PanelStart result;
        std::vector<std::string> ending;  // the journal from the failing step on
    } cases[] = {
        {"no window",
         [](Panel& p) { p.host.windowMade = false; },
         PanelStart::WindowFailed,
         {"window"}},
        {"a second start",
         [](Panel& p) { p.host.alone = false; },
         PanelStart::AlreadyRunning,
         {"instance", "bring forward"}},
        {"a second start without the first's window",
         [](Panel& p) { p.host.alone = p.host.runningFound = false; },
         PanelStart::AlreadyRunning,
         {"instance", "bring forward", kRunningText}},
        {"no installation facts",
         [](Panel& p) { p.registry.keys[kConfigKeyName].erase("HardwareID"); },
         PanelStart::InstallInfoMissing,
         {"layout", "hourglass", "pointer", "box Fail to load data from Register File!"}},
        {"no driver",
         [](Panel& p) { p.host.driverOpens = false; },
         PanelStart::DriverMissing,
         {"open", "pointer", "box Fail to open NXWLHCOM.sys!"}},
        {"no controller",
         [](Panel& p) { p.driver.change([](DriverBlock& b) { b.ComPort = 0; }); },
         PanelStart::ControllerMissing,
         {"IOCTL_READ_SETTINGS", "pointer", "close", "box TouchScreen Controller Not Found!"}},
    };
    for (const Case& c : cases) {
        Panel panel;
        c.arrange(panel);
        EXPECT_EQ(panel.run(), c.result) << c.what;
        EXPECT_EQ(panel.from(c.ending.front()), c.ending) << c.what;
    }
}

TEST(ControlPanelStart, TheCutFileBlanksTheSupportButtonWithoutLookingForTheBitmap) {
    Panel cut;
    cut.host.files = {kInstall + "\\NXVender.Cut", kInstall + "\\NXVender.Bmp"};
    cut.run();
    EXPECT_EQ(cut.from("exists? NXVender.Cut").at(1), "support Blank");
    EXPECT_TRUE(cut.from("exists? NXVender.Bmp").empty());
    EXPECT_EQ(cut.state.vendorBitmapPath, "");

    Panel bare;
    bare.run();
    EXPECT_EQ(bare.from("exists? NXVender.Bmp").at(1), "support About") << "the about box";

    Panel planted;
    planted.host.files = {kUsersFolder + "\\NXVender.Cut", kUsersFolder + "\\NXVender.Bmp"};
    planted.run();
    EXPECT_EQ(planted.from("exists? NXVender.Bmp").at(1), "support About")
        << "files where InstallPath points count for nothing";
}

TEST(ControlPanelStart, TheStoredCalibrationMethodIsSelectedOrMendedToTheSecond) {
    struct Case {
        const char* stored;
        void (*put)(FakeRegistry&);
        const char* selected;
    } cases[] = {
        {"0", [](FakeRegistry& r) { r.putNumber("CalibrationMode", 0); }, "method 0"},
        {"1", [](FakeRegistry& r) { r.putNumber("CalibrationMode", 1); }, "method 1"},
        {"5", [](FakeRegistry& r) { r.putNumber("CalibrationMode", 5); }, "method 1"},
        {"-1", [](FakeRegistry& r) { r.putNumber("CalibrationMode", 0xFFFFFFFF); }, "method 1"},
        {"text", [](FakeRegistry& r) { r.putString("CalibrationMode", "0"); }, "method 1"},
        {"missing", [](FakeRegistry&) {}, "method 1"},
    };
    for (const Case& c : cases) {
        Panel panel;
        c.put(panel.registry);
        panel.run();
        EXPECT_EQ(panel.from("events").at(1), c.selected) << "stored " << c.stored;
    }
}
