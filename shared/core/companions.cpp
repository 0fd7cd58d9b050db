#include "companions.h"

#include "driver_requests.h"
#include "trusted_folder.h"

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
