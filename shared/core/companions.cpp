#include "companions.h"

std::string ProgramCommandLine(const std::string& installPath, const char* file) {
    return "\"" + installPath + "\\" + file + "\"";
}
