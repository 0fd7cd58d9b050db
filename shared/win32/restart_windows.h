// The restart routine the setup and removal programs share.
#pragma once

#include <string>

// Enables the shutdown privilege and asks Windows to restart, forcing programs that do not
// respond. A refused step shows "Fail to restart system! (...)" in a plain box titled
// programTitle. True only when Windows accepted the request.
bool RestartWindows(const std::string& programTitle);
