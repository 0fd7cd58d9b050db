#include <gtest/gtest.h>

#include "setup_fakes.h"
#include "setup_files.h"
#include "setup_sequence.h"
#include "setup_texts.h"

using setup_fakes::FakeHost;

namespace {

const std::string kIni = "C:\\Program Files\\Brinvale TouchScreen\\setup.ini";
const std::string kOem = "C:\\Program Files\\Brinvale TouchScreen\\setup.oem";
const std::string kFinished = std::string("finished ") + kFinishedText;
const std::string kProgress = std::string("progress ") + kUpdatingText;

class SetupSequenceTest : public ::testing::Test {
protected:
    void SetUp() override { registry.putInstallFacts(); }
    void TearDown() override { EXPECT_EQ(registry.open.size(), 0u) << "a key was left open"; }
    SetupResult run(const std::string& arguments = "") {
        return RunSetup(host, registry, arguments);
    }

    FakeRegistry registry;
    FakeHost host;
};

}  // namespace

TEST(SetupCommandLine, OnlyTheWholeSwitchInAnyCaseIsUnattended) {
    EXPECT_TRUE(IsUnattended("/XPEFBASETUP"));
    EXPECT_TRUE(IsUnattended("/xpefbasetup"));
    EXPECT_TRUE(IsUnattended("  /XpEfBaSeTuP \t"));
    EXPECT_FALSE(IsUnattended(""));
    EXPECT_FALSE(IsUnattended("/XPEFBASETUP /Q"));
    EXPECT_FALSE(IsUnattended("XPEFBASETUP"));
    EXPECT_FALSE(IsUnattended("/XPEFBASETUPX"));
    EXPECT_FALSE(IsUnattended("\"/XPEFBASETUP\""));
}

TEST(InstallationFiles, AreLookedForInTheInstallationFolderOnly) {
    EXPECT_EQ(InstallationFile("C:\\Program Files\\Brinvale", "setup.ini"),
              "C:\\Program Files\\Brinvale\\setup.ini");
    EXPECT_EQ(InstallationFile("C:\\Tools\\", "setup.oem"), "C:\\Tools\\setup.oem");
    EXPECT_EQ(InstallationFile("", "setup.ini"), "") << "not the drive's root, not win.ini";
}

TEST_F(SetupSequenceTest, ANormalRunCopiesBrandsThenClosesTheWindowTellsAndRestarts) {
    host.put(kIni, "Settings", "FeedbackTone", "5000");
    host.put(kOem, "SETUP", "TITLE", "Acme Panels  ");
    host.put(kOem, "SETUP", "STYLE", "11120915");
    EXPECT_EQ(run(), SetupResult::Finished);
    EXPECT_EQ(host.events, (std::vector<std::string>{kProgress, "close", kFinished, "restart"}));
    EXPECT_EQ(registry.number("FeedbackTone"), 5000u);
    EXPECT_EQ(registry.text("VenderName"), "Acme Panels");
    EXPECT_EQ(registry.text("VenderStyle"), "11120915");
    EXPECT_EQ(ExitCodeFor(SetupResult::Finished), 0);
}

TEST_F(SetupSequenceTest, UnattendedShowsNothingAndDoesNotRestart) {
    host.put(kIni, "Settings", "MouseHSpeed", "10");
    host.put(kIni, "Settings", "MouseVSpeed", "12");
    host.put(kIni, "Settings", "MouseAcceleration", "2");
    host.put(kIni, "Settings", "MouseBypass", "1");
    EXPECT_EQ(run("/xpefbasetup"), SetupResult::Finished);
    EXPECT_TRUE(host.events.empty());
    EXPECT_EQ(registry.number("MouseSpeed"), 168559105u);
}

TEST_F(SetupSequenceTest, AMissingInstallationFactEndsBeforeAnythingIsCopied) {
    for (const char* fact :
         {"VenderName", "VenderStyle", "InstallPath", "WindowsPath", "SystemPath", "HardwareID"}) {
        SCOPED_TRACE(fact);
        FakeRegistry registry;
        registry.putInstallFacts();
        registry.keys[kConfigKeyName].erase(fact);
        FakeHost host;
        host.put(kIni, "Settings", "CalibrationMode", "0");
        host.put(kOem, "SETUP", "TITLE", "Acme");
        EXPECT_EQ(RunSetup(host, registry, ""), SetupResult::InstallInfoMissing);
        EXPECT_EQ(host.events,
                  (std::vector<std::string>{kProgress, std::string("box ") + kRegisterFileFailText,
                                            "close"}));
        EXPECT_TRUE(registry.writes().empty());
        EXPECT_TRUE(registry.open.empty());
    }
    EXPECT_EQ(ExitCodeFor(SetupResult::InstallInfoMissing), 1);
}

TEST_F(SetupSequenceTest, AMistypedFactCountsAsMissingAndUnattendedStillShowsTheBox) {
    registry.putNumber("InstallPath", 7);
    EXPECT_EQ(run("/XPEFBASETUP"), SetupResult::InstallInfoMissing);
    EXPECT_EQ(host.events, (std::vector<std::string>{std::string("box ") + kRegisterFileFailText}));
}

TEST_F(SetupSequenceTest, EachFailedWriteIsReportedByNameAndTheRestGoOn) {
    host.put(kIni, "Settings", "CalibrationMode", "1");
    host.put(kIni, "Settings", "FeedbackSound", "3");
    host.put(kIni, "Settings", "PanelDirection", "5");
    registry.refusedWrites = {"CalibrationMode", "PanelDirection"};
    run("/XPEFBASETUP");
    EXPECT_EQ(host.events,
              (std::vector<std::string>{"box Fail to save settings! (CalibrationMode)",
                                        "box Fail to save settings! (PanelDirection)"}));
    EXPECT_EQ(registry.writes(),
              (std::vector<std::string>{"CalibrationMode", "FeedbackSound", "PanelDirection"}));
    EXPECT_EQ(registry.number("FeedbackSound"), 3u);
}

TEST_F(SetupSequenceTest, ValuesAlreadyInTheKeyStayWhenTheFileSkipsThem) {
    registry.putNumber("VirtualButton", 2);
    registry.putNumber("MouseSpeed", 0x11111111);
    host.put(kIni, "Settings", "VirtualButton", "5");
    host.put(kIni, "Settings", "MouseHSpeed", "10");
    host.put(kIni, "Settings", "DoubleClickSpeed", "  450  ");
    run("/XPEFBASETUP");
    EXPECT_EQ(registry.number("VirtualButton"), 2u);
    EXPECT_EQ(registry.number("MouseSpeed"), 0x11111111u);
    EXPECT_EQ(registry.number("DoubleClickSpeed"), 450u);
    EXPECT_EQ(registry.writes(), (std::vector<std::string>{"DoubleClickSpeed"}));
}

TEST_F(SetupSequenceTest, WithoutTheFilesOrTheFolderNothingIsWrittenOrShown) {
    run("/XPEFBASETUP");
    EXPECT_TRUE(registry.writes().empty());
    EXPECT_EQ(host.fileLookups, (std::vector<std::string>{kIni, kOem}));

    FakeRegistry noFolder;
    noFolder.putInstallFacts("");
    FakeHost other;
    other.put("\\setup.ini", "Settings", "CalibrationMode", "0");
    other.put("", "Settings", "CalibrationMode", "0");
    RunSetup(other, noFolder, "/XPEFBASETUP");
    EXPECT_TRUE(noFolder.writes().empty());
    EXPECT_TRUE(other.fileLookups.empty());
}

TEST_F(SetupSequenceTest, AKeyThatCannotBeOpenedForTheSettingsSkipsThemSilently) {
    host.put(kIni, "Settings", "CalibrationMode", "0");
    // the installation facts were read before the key became unavailable
    ProgramConfig config;
    ASSERT_TRUE(LoadInstallInfo(registry, config));
    registry.refusedKeys = {kConfigKeyName};
    CopySettings(host, registry, config);
    EXPECT_TRUE(host.events.empty());
    EXPECT_TRUE(registry.writes().empty());
}

TEST_F(SetupSequenceTest, BrandingWritesOnlyWhatTheFileGivesAndReportsEachFailure) {
    host.put(kOem, "SETUP", "TITLE", "");
    host.put(kOem, "SETUP", "STYLE", "   ");
    run("/XPEFBASETUP");
    EXPECT_EQ(registry.text("VenderName"), "Brinvale") << "an empty TITLE changes nothing";
    EXPECT_EQ(registry.text("VenderStyle"), "21140900");
    EXPECT_TRUE(registry.writes().empty());

    host.put(kOem, "SETUP", "TITLE", "Acme");
    host.put(kOem, "SETUP", "STYLE", "11120915");
    registry.refusedWrites = {"VenderName", "VenderStyle"};
    run("/XPEFBASETUP");
    EXPECT_EQ(host.events,
              (std::vector<std::string>{std::string("box ") + kVenderNameFailedText,
                                        std::string("box ") + kVenderStyleFailedText}));
}

TEST_F(SetupSequenceTest, ALongTitleIsWrittenWhole) {
    std::string title(3000, 'T');
    host.put(kOem, "SETUP", "TITLE", title);
    run("/XPEFBASETUP");
    EXPECT_EQ(registry.text("VenderName"), title);
}

TEST_F(SetupSequenceTest, ARefusedRestartStillEndsTheInstallationAsFinished) {
    host.restartAccepted = false;
    EXPECT_EQ(run(), SetupResult::Finished);
    EXPECT_EQ(host.events.back(), "restart");
}
