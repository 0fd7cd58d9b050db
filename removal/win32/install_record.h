// The installation folder as the installer recorded it where only administrators can write.
#pragma once

#include <string>

// The Add or Remove Programs entry's InstallLocation (64-bit registry view), UTF-8; empty when
// the entry or the value is missing or is not a string.
std::string RecordedInstallFolder();
