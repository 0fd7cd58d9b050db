#include "companions.h"

#include <algorithm>
#include <cctype>

#include "driver_requests.h"
#include "trusted_folder.h"

namespace {

bool SameNameIgnoringCase(const std::string& a, const std::string& b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) ==
                      std::tolower(static_cast<unsigned char>(y));
           });
}

}  // namespace

std::string ProgramCommandLine(const std::string& folder, const char* file) {
    std::string path = FileInFolder(folder, file);
    return path.empty() ? "" : "\"" + path + "\"";
}

int32_t CompanionWindow(DriverPort& driver, CompanionNotification notification) {
    WindowRecord record{kNoWindow, 0, 0};
    driver.transact(notification == NOTIFY_SMI_QUIT ? IOCTL_GET_SMI_WINDOW : IOCTL_GET_RB_WINDOW,
                    record);
    return record.Handle;
}

Companion CompanionOf(CompanionNotification notification) {
    return notification == NOTIFY_SMI_QUIT ? Companion::SmiTool : Companion::RightButtonTool;
}

bool CompanionWindowAccepted(Companion companion, const WindowFacts& facts) {
    if (!facts.exists || facts.windowSession != facts.ownSession) return false;
    if (companion == Companion::RightButtonTool)
        return facts.className == kFormWindowClass && facts.caption == kRightButtonToolCaption;
    // the SMI tool is the maker's program: its file name is all of it we can rely on
    return SameNameIgnoringCase(facts.programFile, kSmiToolFile);
}
