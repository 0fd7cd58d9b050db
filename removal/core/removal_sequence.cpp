#include "removal_sequence.h"

namespace {

void CloseTools(RemovalHost& host, DriverPort& driver) {
    if (!host.openDriver()) return;
    for (CompanionNotification quit : {NOTIFY_RB_QUIT, NOTIFY_SMI_QUIT}) {
        int32_t window = CompanionWindow(driver, quit);
        if (window != kNoWindow) host.notify(window, quit);
    }
    host.closeDriver();
}

// Empty when the uninstaller ended; else the box that says why the removal stops.
std::string RunUninstaller(RemovalHost& host, const std::string& installFolder) {
    std::string commandLine = UninstallerCommandLine(installFolder);
    if (commandLine.empty() || !host.startUninstaller(commandLine))
        return "Fail to remove files! (Startup)";
    UninstallerWait wait;
    while (!wait.over) wait.round(host.waitForUninstaller(kUninstallerRoundMs));
    host.closeUninstaller();
    return wait.failure;
}

}  // namespace

RemovalResult RunRemoval(RemovalHost& host, DriverPort& driver, const RemovalTargets& targets) {
    host.hideQuestion();
    CloseTools(host, driver);
    host.showProgress(kRemovingText);
    host.pauseWithEvents(kPauseBeforeUninstallerMs);
    std::string failure = RunUninstaller(host, targets.installFolder);
    if (!failure.empty()) {
        host.showFailure(failure);
        host.closeProgress();
        return RemovalResult::NotRemoved;
    }
    // still running, the program's own file can only go at the next start of Windows
    if (!targets.ownFile.empty()) host.deleteAtRestart(targets.ownFile);
    host.pauseWithEvents(kPauseAfterUninstallerMs);
    host.closeProgress();
    host.showFinished(RemovalCompleteText());
    host.restartWindows();
    return RemovalResult::Removed;
}
