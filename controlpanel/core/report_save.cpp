#include "report_save.h"

bool SaveReplacing(ReportFiles& files, const std::string& target, const std::string& text,
                   std::string& reason) {
    std::string written = files.createBeside(target);
    if (written.empty()) {
        reason = files.failure();
        return false;
    }
    if (files.writeAll(written, text) && files.replace(written, target)) return true;
    reason = files.failure();
    files.remove(written);
    return false;
}
