#include "failures.h"

#include <windows.h>

namespace forms {

void RecordFailure(const std::string& where, const std::string& what) {
    std::string line = kFailurePrefix + where + ": " + what + "\n";
    OutputDebugStringA(line.c_str());
}

}  // namespace forms
