#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "removal_sequence.h"
#include "sim_driver_port.h"

namespace {

constexpr int32_t kToolWindow = 0x2004A;
constexpr int32_t kSmiWindow = 0x3008C;
const std::string kQuotedUninstaller =
    "start \"C:\\Program Files\\Brinvale TouchScreen\\unins000.exe\" /SILENT";

// Windows as the removal sees it; everything asked lands in one journal with the driver's
// requests.
struct FakeRemovalHost : RemovalHost {
    std::vector<std::string> journal;
    bool driverOpens = true;
    bool uninstallerStarts = true;
    std::vector<WaitResult> rounds;  // the rounds' outcomes in turn; time-outs once they run out
    bool restartAccepted = true;

    void note(const std::string& what) { journal.push_back(what); }
    void hideQuestion() override { note("hide"); }
    bool openDriver() override {
        note("open");
        return driverOpens;
    }
    void closeDriver() override { note("close"); }
    void notify(int32_t window, CompanionNotification notification) override {
        note("notify " + std::to_string(window) + " " + std::to_string(notification));
    }
    void showProgress(const std::string& text) override { note("progress " + text); }
    void closeProgress() override { note("close progress"); }
    void pauseWithEvents(uint32_t milliseconds) override {
        note("pause " + std::to_string(milliseconds));
    }
    bool startUninstaller(const std::string& commandLine) override {
        note("start " + commandLine);
        return uninstallerStarts;
    }
    WaitResult waitForUninstaller(uint32_t milliseconds) override {
        note("wait " + std::to_string(milliseconds));
        if (rounds.empty()) return WaitResult::TimedOut;
        WaitResult result = rounds.front();
        rounds.erase(rounds.begin());
        return result;
    }
    void closeUninstaller() override { note("close uninstaller"); }
    void deleteAtRestart(const std::string& path) override { note("delete at restart " + path); }
    void showFailure(const std::string& text) override { note("box " + text); }
    void showFinished(const std::string& text) override { note("finished " + text); }
    bool restartWindows() override {
        note("restart");
        return restartAccepted;
    }
};

struct Removal {
    SimDriverPort driver;
    FakeRemovalHost host;
    RemovalTargets targets{"C:\\Program Files\\Brinvale TouchScreen", "C:\\windows\\NXWLHCde.exe"};

    Removal() { driver.journal = &host.journal; }
    RemovalResult run() { return RunRemoval(host, driver, targets); }
    size_t count(const std::string& entry) const {
        return size_t(std::count(host.journal.begin(), host.journal.end(), entry));
    }
};

}  // namespace

TEST(RemovalSequence, ClosesTheToolsWaitsForTheUninstallerDeletesItselfLaterAndRestarts) {
    Removal removal;
    removal.driver.registerRightButton(kToolWindow);
    removal.driver.registerSmiTool(kSmiWindow);
    removal.host.rounds = {WaitResult::TimedOut, WaitResult::Finished};
    removal.host.restartAccepted = false;
    EXPECT_EQ(removal.run(), RemovalResult::Removed) << "also when Windows refused the restart";
    EXPECT_EQ(
        removal.host.journal,
        (std::vector<std::string>{
            "hide", "open", "IOCTL_GET_RB_WINDOW", "notify 131146 4110", "IOCTL_GET_SMI_WINDOW",
            "notify 196748 8206", "close", "progress Removing files from your system...",
            "pause 3000", kQuotedUninstaller, "wait 1000", "wait 1000", "close uninstaller",
            "delete at restart C:\\windows\\NXWLHCde.exe", "pause 10000", "close progress",
            "finished Removal is complete to uninstall TouchScreen drivers and "
            "utilities.\r\n\r\nThe Windows must be restarted.",
            "restart"}));
}

TEST(RemovalSequence, ToolsThatAreNotThereAreSkippedAndTheRemovalGoesOn) {
    Removal none;  // neither tool registered
    none.host.rounds = {WaitResult::Finished};
    EXPECT_EQ(none.run(), RemovalResult::Removed);
    EXPECT_EQ(std::vector<std::string>(none.host.journal.begin(), none.host.journal.begin() + 5),
              (std::vector<std::string>{"hide", "open", "IOCTL_GET_RB_WINDOW",
                                        "IOCTL_GET_SMI_WINDOW", "close"}));

    Removal noDriver;
    noDriver.driver.registerRightButton(kToolWindow);
    noDriver.host.driverOpens = false;
    noDriver.host.rounds = {WaitResult::Finished};
    EXPECT_EQ(noDriver.run(), RemovalResult::Removed);
    EXPECT_EQ(
        std::vector<std::string>(noDriver.host.journal.begin(), noDriver.host.journal.begin() + 3),
        (std::vector<std::string>{"hide", "open", "progress Removing files from your system..."}));
}

TEST(RemovalSequence, AnUninstallerThatDoesNotStartOrEndStopsTheRemovalAfterItsBox) {
    struct Case {
        bool starts;
        std::vector<WaitResult> rounds;
        const char* box;
        size_t waits;
    } cases[] = {
        {false, {}, "Fail to remove files! (Startup)", 0},
        {true,
         {WaitResult::TimedOut, WaitResult::Failed},
         "Fail to remove files! (WAIT_FAILED)",
         2},
        {true, {WaitResult::Abandoned}, "Fail to remove files! (WAIT_ABANDONED)", 1},
        {true, {}, "Fail to remove files! (WAIT_TIMEOUT)", 10},
    };
    for (const Case& c : cases) {
        Removal removal;
        removal.host.uninstallerStarts = c.starts;
        removal.host.rounds = c.rounds;
        EXPECT_EQ(removal.run(), RemovalResult::NotRemoved) << c.box;
        const std::vector<std::string>& journal = removal.host.journal;
        EXPECT_EQ(std::vector<std::string>(journal.end() - 2, journal.end()),
                  (std::vector<std::string>{std::string("box ") + c.box, "close progress"}));
        EXPECT_EQ(removal.count("wait 1000"), c.waits) << c.box;
        EXPECT_EQ(removal.count("close uninstaller"), c.starts ? 1u : 0u) << c.box;
    }

    Removal unrecorded;  // no Add or Remove entry to name the folder: nothing is started
    unrecorded.targets.installFolder = "";
    EXPECT_EQ(unrecorded.run(), RemovalResult::NotRemoved);
    EXPECT_EQ(unrecorded.count("box Fail to remove files! (Startup)"), 1u);
    EXPECT_EQ(std::count_if(unrecorded.host.journal.begin(), unrecorded.host.journal.end(),
                            [](const std::string& entry) { return entry.rfind("start", 0) == 0; }),
              0);
}
