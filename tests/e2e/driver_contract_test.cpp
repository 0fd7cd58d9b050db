// The simulated driver through the real DeviceIoControl path, as our programs will use it.
#include <windows.h>

#include <cstring>
#include <random>

#include "driver_requests.h"
#include "e2e_test.h"
#include "sim_driver.h"
#include "wait.h"

using namespace e2e;

namespace {

DriverBlock Pattern(uint8_t seed) {
    DriverBlock block;
    auto* bytes = reinterpret_cast<uint8_t*>(&block);
    for (size_t i = 0; i < sizeof block; ++i) bytes[i] = uint8_t(seed + 7 * i);
    return block;
}

bool SameBytes(const void* a, const void* b, size_t size) {
    return std::memcmp(a, b, size) == 0;
}

TouchReport ReadTouch(const SimDriver& driver) {
    TouchReport report{};
    driver.channel().transact(IOCTL_READ_TOUCH, report);
    return report;
}

WindowRecord QueryWindow(const SimDriver& driver, uint32_t code) {
    WindowRecord record{12345, 77, 0};
    driver.channel().transact(code, record);
    return record;
}

class DriverContract : public DriverTest {};

}  // namespace

TEST_F(DriverContract, ReadSettingsReturnsTheStartupBlock) {
    DriverBlock block = Pattern(1);
    EXPECT_TRUE(driver.channel().transact(IOCTL_READ_SETTINGS, block));
    DriverBlock held = driver.block();
    EXPECT_TRUE(SameBytes(&block, &held, sizeof block))
        << "the reply is the block the driver holds";
    EXPECT_EQ(int(block.ComPort), 1) << "a controller is found on COM1";
    EXPECT_EQ(int(block.McuVersion), 0x42);
    EXPECT_EQ(int(block.Protocol), 0);
    EXPECT_TRUE(block.ScreenWidth > 0 && block.ScreenHeight > 0);
}

TEST_F(DriverContract, EachSettingsRequestAppliesExactlyItsFieldSet) {
    for (const DriverRequest& request : kDriverRequests) {
        if (request.rangeCount == 0) continue;
        DriverBlock before = Pattern(3), sent = Pattern(100);
        driver.putBlock(before);
        DriverBlock buffer = sent;
        bool answered = driver.channel().transact(request.code, buffer);
        EXPECT_TRUE(answered) << request.name;
        if (!answered) continue;
        const auto* was = reinterpret_cast<const uint8_t*>(&before);
        const auto* asked = reinterpret_cast<const uint8_t*>(&sent);
        const auto* reply = reinterpret_cast<const uint8_t*>(&buffer);
        DriverBlock held = driver.block();
        for (size_t offset = 0; offset < sizeof(DriverBlock); ++offset) {
            uint8_t expected = RequestAppliesByte(request, offset) ? asked[offset] : was[offset];
            EXPECT_EQ(int(reply[offset]), int(expected))
                << request.name << " byte " << offset << " of the reply";
            if (reply[offset] != expected) break;
        }
        EXPECT_TRUE(SameBytes(&buffer, &held, sizeof held))
            << request.name << " replies the full block";
    }
}

TEST_F(DriverContract, WrongLengthsAndUnknownCodesAreRefusedWithoutTouchingTheBuffer) {
    DriverBlock heldBefore = driver.block();
    uint8_t buffer[256];
    for (const DriverRequest& request : kDriverRequests) {
        const DWORD wrong[][2] = {{0, 0},
                                  {request.length - 1, request.length - 1},
                                  {request.length + 1, request.length + 1},
                                  {request.length, request.length + 2},
                                  {request.length, 0},
                                  {0, request.length}};
        for (const auto& lengths : wrong) {
            std::memset(buffer, 0xCD, sizeof buffer);
            if (request.length == sizeof(DriverBlock))
                std::memcpy(buffer, &heldBefore, sizeof heldBefore);
            uint8_t copy[sizeof buffer];
            std::memcpy(copy, buffer, sizeof buffer);
            bool ok = driver.channel().request(request.code, buffer, lengths[0], lengths[1]);
            EXPECT_FALSE(ok) << request.name << " with lengths " << lengths[0] << "/" << lengths[1];
            EXPECT_TRUE(SameBytes(buffer, copy, sizeof buffer))
                << request.name << " changed the buffer of a refused request";
        }
    }
    const uint32_t unknown[] = {0x000F2000, 0x000F2020, 0x000F2080, 0x000F20E0, 0x000F3030,
                                0x000F4020, 0x00222000, 0x000F2011, 0x000F2013};
    for (uint32_t code : unknown) {
        std::memset(buffer, 0x5A, sizeof buffer);
        EXPECT_FALSE(driver.channel().request(code, buffer, 82, 82))
            << "code 0x" << std::hex << code;
        EXPECT_EQ(int(buffer[0]) + int(buffer[81]), 0x5A * 2) << "code 0x" << std::hex << code;
    }
    DriverBlock heldAfter = driver.block();
    EXPECT_TRUE(SameBytes(&heldBefore, &heldAfter, sizeof heldAfter))
        << "refusals changed the block";
    std::vector<std::string> log = driver.log();
    EXPECT_TRUE(!log.empty() && log.back().find("refused") != std::string::npos)
        << "refused requests are logged";
}

TEST_F(DriverContract, WindowRecordsReadMinusOneUntilSomethingRegisters) {
    WindowRecord rb = QueryWindow(driver, IOCTL_GET_RB_WINDOW);
    WindowRecord smi = QueryWindow(driver, IOCTL_GET_SMI_WINDOW);
    EXPECT_EQ(rb.Handle, kNoWindow);
    EXPECT_EQ(rb.Word, 0);
    EXPECT_EQ(smi.Handle, kNoWindow);

    WindowRecord registration{0x1234, 1, 0};
    EXPECT_TRUE(driver.channel().transact(IOCTL_SET_RB_WINDOW, registration));
    rb = QueryWindow(driver, IOCTL_GET_RB_WINDOW);
    EXPECT_EQ(rb.Handle, 0x1234);
    EXPECT_EQ(rb.Word, 1);
    SimWindows windows = driver.windows();
    EXPECT_EQ(windows.RightButtonHandle, 0x1234);
    EXPECT_EQ(windows.Armed, 1);

    WindowRecord withdrawal{kNoWindow, 1, 0};
    EXPECT_TRUE(driver.channel().transact(IOCTL_SET_RB_WINDOW, withdrawal));
    rb = QueryWindow(driver, IOCTL_GET_RB_WINDOW);
    EXPECT_EQ(rb.Handle, kNoWindow);
    EXPECT_EQ(rb.Word, 0) << "a withdrawn registration is not armed";
}

TEST_F(DriverContract, TouchBitAndSampleCounterFollowTheFinger) {
    TouchReport idle = ReadTouch(driver);
    EXPECT_EQ(idle.Flags & kTouchedFlag, 0) << "nobody touches the screen after a reset";

    driver.touch(300, 700);
    TouchReport first = ReadTouch(driver);
    EXPECT_EQ(first.Flags & kTouchedFlag, int(kTouchedFlag));
    EXPECT_EQ(first.X, 300);
    EXPECT_EQ(first.Y, 700);
    EXPECT_TRUE(first.Counter != idle.Counter) << "a touch-down is a new sample";
    EXPECT_TRUE(WaitUntil([&] { return ReadTouch(driver).Counter != first.Counter; }, 1000))
        << "a finger that stays down keeps sending samples";

    driver.touch(500, 500, 3);
    bool jittered = WaitUntil(
        [&] {
            TouchReport r = ReadTouch(driver);
            EXPECT_TRUE(r.X >= 497 && r.X <= 503 && r.Y >= 497 && r.Y <= 503) << r.X << "," << r.Y;
            return r.X != 500 || r.Y != 500;
        },
        2000);
    EXPECT_TRUE(jittered) << "samples scatter within the jitter";

    TouchReport before = ReadTouch(driver);
    driver.lift();
    TouchReport lifted = ReadTouch(driver);
    EXPECT_EQ(lifted.Flags & kTouchedFlag, 0);
    EXPECT_TRUE(lifted.Counter != before.Counter) << "the lift is a sample of its own";
    PumpFor(20);
    EXPECT_EQ(ReadTouch(driver).Counter, lifted.Counter) << "no samples come without a finger";
}

TEST_F(DriverContract, TheNextTouchAfterArmingClearsTheArmedFlagWhenLifted) {
    driver.touch(100, 100);  // a finger already down when the tool arms is not the right click
    WindowRecord armed{0x4321, 1, 0};
    driver.channel().transact(IOCTL_SET_RB_WINDOW, armed);
    driver.lift();
    EXPECT_EQ(QueryWindow(driver, IOCTL_GET_RB_WINDOW).Word, 1);
    driver.touch(200, 200);
    EXPECT_EQ(QueryWindow(driver, IOCTL_GET_RB_WINDOW).Word, 1) << "cleared only at the lift";
    driver.lift();
    WindowRecord after = QueryWindow(driver, IOCTL_GET_RB_WINDOW);
    EXPECT_EQ(after.Word, 0);
    EXPECT_EQ(after.Handle, 0x4321) << "the registration stays";
}

TEST_F(DriverContract, KeepsResourcesCalibrationStateAndSoundTestsAndLogsThem) {
    ComResourceRecord com3{3, 0x3E8, 0x3EF, 5, 0x180200A, 0, 1};
    CalibrationStateCommand state{4};
    SoundTestRecord beep{1200, 20};
    EXPECT_TRUE(driver.channel().transact(IOCTL_SET_COM_RESOURCES, com3));
    EXPECT_TRUE(driver.channel().transact(IOCTL_SET_CALIBRATION_STATE, state));
    EXPECT_TRUE(driver.channel().transact(IOCTL_SOUND_TEST, beep));
    SimState kept = driver.state();
    EXPECT_EQ(kept.Resources[2].FirstAddress, 0x3E8);
    EXPECT_EQ(kept.Resources[2].Irq, 5);
    EXPECT_EQ(kept.Resources[0].Irq, -1) << "ports nobody told about keep -1";
    EXPECT_EQ(kept.CalibrationState, 4);
    EXPECT_EQ(kept.SoundTests, 1u);
    EXPECT_EQ(kept.LastSoundTest.Tone, 1200);

    DriverBlock block = driver.block();
    block.SpeedH = 15;
    driver.channel().transact(IOCTL_SET_MOUSE_SPEED, block);
    for (int i = 0; i < 3; ++i) ReadTouch(driver);
    std::vector<std::string> log = driver.log();
    ASSERT_EQ(log.size(), size_t(5));
    EXPECT_EQ(log[0],
              "IOCTL_SET_COM_RESOURCES ComNumber=3 FirstAddress=1000 "
              "LastAddress=1007 Irq=5 Status=25174026 Problem=0 Configuration=1");
    EXPECT_EQ(log[1], "IOCTL_SET_CALIBRATION_STATE State=4");
    EXPECT_EQ(log[2], "IOCTL_SOUND_TEST Tone=1200 Duration=20");
    EXPECT_EQ(log[3],
              "IOCTL_SET_MOUSE_SPEED BypassMode=0 SpeedH=15 SpeedV=10 "
              "Acceleration=1");
    EXPECT_EQ(log[4], "IOCTL_READ_TOUCH Count=3") << "touch polls are folded";
}

TEST_F(DriverContract, RandomCodesAndLengthsNeverCrashTheDriver) {
    std::mt19937 random(20261209);
    const uint32_t codes[] = {IOCTL_READ_SETTINGS, IOCTL_READ_TOUCH, IOCTL_SET_COM_RESOURCES,
                              IOCTL_SET_RB_WINDOW, SIM_READ_LOG,     SIM_TOUCH,
                              SIM_PUT_BLOCK,       SIM_GET_STATE,    SIM_SET_SMI_WINDOW};
    static uint8_t buffer[4096];
    int refusedUntouched = 0, refused = 0;
    for (int round = 0; round < 3000; ++round) {
        uint32_t code =
            random() % 3 ? codes[random() % (sizeof codes / sizeof codes[0])] : random();
        if (random() % 4 == 0) code = (code & ~3u) | (random() & 3u);  // any transfer method
        if (code == SIM_PUT_BLOCK || code == SIM_TOUCH) continue;  // tested elsewhere; keep state
        DWORD inLength = random() % 4 ? random() % 120 : random() % sizeof buffer;
        DWORD outLength = random() % 2 ? inLength : random() % sizeof buffer;
        for (auto& byte : buffer) byte = uint8_t(random());
        uint8_t copy[sizeof buffer];
        std::memcpy(copy, buffer, sizeof buffer);
        if (!driver.channel().request(code, buffer, inLength, outLength)) {
            ++refused;
            refusedUntouched += SameBytes(buffer, copy, sizeof buffer) ? 1 : 0;
        }
    }
    EXPECT_EQ(refusedUntouched, refused) << "every refused request left its buffer alone";
    DriverBlock block{};
    EXPECT_TRUE(driver.channel().transact(IOCTL_READ_SETTINGS, block))
        << "the driver still answers";
    EXPECT_EQ(int(block.ComPort), 1);
}

TEST_F(DriverContract, StartupSettingsComeFromTheConfigurationKey) {
    HKEY key;
    ASSERT_TRUE(RegCreateKeyA(HKEY_LOCAL_MACHINE, "SOFTWARE\\Brinvale\\TouchScreen\\NX-COM",
                              &key) == ERROR_SUCCESS);
    auto put = [&](const char* name, DWORD value) {
        RegSetValueExA(key, name, 0, REG_DWORD, reinterpret_cast<const BYTE*>(&value),
                       sizeof value);
    };
    put("VirtualButton", 3);
    put("RightButtonFunction", 1);
    put("RightButtonAutomatic", (1u << 24) | (4u << 16) | (7u << 8) | 0u);
    put("FeedbackSound", 4);
    put("FeedbackTone", 7);  // out of range: the default stays
    put("FeedbackDuration", 45);
    put("MouseSpeed", (12u << 24) | (8u << 16) | (3u << 8) | 1u);
    RegSetValueExA(key, "PanelDirection", 0, REG_SZ, reinterpret_cast<const BYTE*>("5"), 2);
    driver.reset();
    DriverBlock block = driver.block();
    EXPECT_EQ(int(block.ButtonMode), 3);
    EXPECT_EQ(int(block.RightButtonEnable), 1);
    EXPECT_EQ(int(block.RightButtonAuto), 1);
    EXPECT_EQ(int(block.RightButtonOnTime), 4);
    EXPECT_EQ(int(block.RightButtonOffTime), 7);
    EXPECT_EQ(int(block.RightButtonBeep), 0);
    EXPECT_EQ(int(block.SoundMode), 4);
    EXPECT_EQ(int(block.SoundTone), 1000) << "an out-of-range tone keeps the default";
    EXPECT_EQ(int(block.SoundDuration), 45);
    EXPECT_EQ(int(block.SpeedH), 12);
    EXPECT_EQ(int(block.SpeedV), 8);
    EXPECT_EQ(int(block.Acceleration), 3);
    EXPECT_EQ(int(block.BypassMode), 1);
    EXPECT_EQ(int(block.PanelDirection), 0) << "a value of the wrong type counts as missing";
    for (const char* name :
         {"VirtualButton", "RightButtonFunction", "RightButtonAutomatic", "FeedbackSound",
          "FeedbackTone", "FeedbackDuration", "MouseSpeed", "PanelDirection"})
        RegDeleteValueA(key, name);
    RegCloseKey(key);
    driver.reset();
    EXPECT_EQ(int(driver.block().ButtonMode), 1);
}
