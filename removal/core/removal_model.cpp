#include "removal_model.h"

#include "title_band.h"
#include "trusted_folder.h"

std::string RemovalQuestion() {
    return std::string("Are you sure you want to completely remove TouchScreen V.") + kVersionText +
           " and all of its components?";
}

std::string RemovalCompleteText() {
    return "Removal is complete to uninstall TouchScreen drivers and utilities.\r\n\r\n"
           "The Windows must be restarted.";
}

std::string UninstallerCommandLine(const std::string& installFolder) {
    std::string uninstaller = FileInFolder(installFolder, kUninstallerFile);
    return uninstaller.empty() ? "" : "\"" + uninstaller + "\" /SILENT";
}

ButtonPair CentreButtonPair(int32_t innerWidth, int32_t yesWidth, int32_t noWidth) {
    // left of Yes = (inner - 1.5 x Yes - No) / 2, No half a button further than Yes's width
    int32_t yesLeft = (2 * innerWidth - 3 * yesWidth - 2 * noWidth) / 4;
    return {yesLeft, yesLeft + (3 * yesWidth) / 2};
}

int32_t RemovalWindowWidth(int32_t currentWidth, int32_t captionTextWidth, int32_t yesWidth) {
    int32_t needed = captionTextWidth + 2 * yesWidth;
    return needed > currentWidth ? needed : currentWidth;
}

void UninstallerWait::round(WaitResult result) {
    if (over) return;
    switch (result) {
        case WaitResult::Finished:
            counter = -1;
            over = true;
            break;
        case WaitResult::Failed:
            failure = "Fail to remove files! (WAIT_FAILED)";
            over = true;
            break;
        case WaitResult::Abandoned:
            failure = "Fail to remove files! (WAIT_ABANDONED)";
            over = true;
            break;
        case WaitResult::TimedOut:
            if (++counter >= kUninstallerRounds) {
                failure = "Fail to remove files! (WAIT_TIMEOUT)";
                over = true;
            }
            break;
    }
}
