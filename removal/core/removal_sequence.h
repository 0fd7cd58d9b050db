// The removal program's Yes from start to end: the tools closed, the uninstaller run and waited
// for, the program's own file deleted at the next start of Windows, the final box and the
// restart.
#pragma once

#include <stdint.h>

#include <string>

#include "companions.h"
#include "driver_port.h"
#include "removal_model.h"

constexpr uint32_t kPauseBeforeUninstallerMs = 3000;
constexpr uint32_t kPauseAfterUninstallerMs = 10000;
constexpr uint32_t kUninstallerRoundMs = 1000;

// What the removal asks of Windows besides the driver's requests.
class RemovalHost {
public:
    virtual ~RemovalHost() = default;

    virtual void hideQuestion() = 0;
    virtual bool openDriver() = 0;
    virtual void closeDriver() = 0;
    // Sent synchronously: returns when the tool has handled it (or stopped answering).
    virtual void notify(int32_t window, CompanionNotification notification) = 0;

    virtual void showProgress(const std::string& text) = 0;
    virtual void closeProgress() = 0;
    // Windows keep working meanwhile; measured on a clock that never goes back.
    virtual void pauseWithEvents(uint32_t milliseconds) = 0;

    // The command line started in a normal window and its process opened to wait on; false
    // when either fails.
    virtual bool startUninstaller(const std::string& commandLine) = 0;
    // One round: pending window messages handled, then up to the time waited for the process
    // while windows keep working.
    virtual WaitResult waitForUninstaller(uint32_t milliseconds) = 0;
    virtual void closeUninstaller() = 0;
    // Deletion at the next start of Windows; a refusal is not reported.
    virtual void deleteAtRestart(const std::string& path) = 0;

    // The system-modal exclamation box "Fail to remove files! (...)".
    virtual void showFailure(const std::string& text) = 0;
    // The system-modal information box that ends a removal.
    virtual void showFinished(const std::string& text) = 0;
    // Reports its own failure; true when Windows accepted the request.
    virtual bool restartWindows() = 0;
};

enum class RemovalResult {
    Removed,     // also when the restart was refused: the files are gone
    NotRemoved,  // the uninstaller did not start or did not end in time; a box said which
};

// What the removal acts on; neither comes from the configuration key, which every user may
// change.
struct RemovalTargets {
    std::string installFolder;  // the Add or Remove Programs entry's InstallLocation
    std::string ownFile;        // the removal program's own file, as Windows loaded it
};

RemovalResult RunRemoval(RemovalHost& host, DriverPort& driver, const RemovalTargets& targets);
