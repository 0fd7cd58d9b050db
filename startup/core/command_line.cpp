#include "command_line.h"

#include <ctype.h>

namespace {

bool IsBlank(char c) {
    return c == ' ' || c == '\t';
}

}  // namespace

std::string CommandArguments(const std::string& commandLine) {
    size_t at = 0;
    if (!commandLine.empty() && commandLine[0] == '"') {
        size_t closing = commandLine.find('"', 1);
        at = closing == std::string::npos ? commandLine.size() : closing + 1;
    } else {
        while (at < commandLine.size() && !IsBlank(commandLine[at])) ++at;
    }
    if (at < commandLine.size() && IsBlank(commandLine[at])) ++at;  // the separating blank
    return commandLine.substr(at);
}

StartupFlags ParseStartupFlags(const std::string& arguments) {
    std::string upper = arguments;
    for (char& c : upper) c = char(toupper(static_cast<unsigned char>(c)));
    StartupFlags flags;
    flags.doubleClick = upper == "/SDC";
    flags.autoScan = upper == "/SAM";
    return flags;
}
