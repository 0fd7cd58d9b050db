#include "uninstall_command.h"

#include <cctype>
#include <sstream>

namespace {

std::string Upper(std::string text) {
    for (char& c : text) c = char(std::toupper(static_cast<unsigned char>(c)));
    return text;
}

}  // namespace

bool IsSilentRemoval(const std::string& arguments) {
    std::istringstream words(Upper(arguments));
    std::string word;
    while (words >> word)
        if (word == "/SILENT" || word == "/S") return true;
    return false;
}

std::string InPlaceUninstallCommand(const std::string& program, const std::string& installFolder,
                                    bool silent) {
    return "\"" + program + "\"" + (silent ? " /S" : "") + " _?=" + installFolder;
}

bool RemovalWentThrough(unsigned long exitCode) {
    return exitCode == kExitDone || exitCode == kExitRestartNeeded;
}

int ExitCodeWithoutUninstaller(bool partsLeft) {
    return partsLeft ? kExitStepFailed : kExitDone;
}

std::string FolderOf(const std::string& path) {
    std::string::size_type slash = path.find_last_of("\\/");
    return slash == std::string::npos ? std::string() : path.substr(0, slash);
}
