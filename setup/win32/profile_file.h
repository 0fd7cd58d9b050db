// Reading the setup program's INI files with the profile functions.
#pragma once

#include <string>

// The key's whole text; empty when the key, the section or the file is missing, and when the
// text is longer than kMaxProfileValueChars.
std::string ReadProfileString(const std::string& file, const std::string& section,
                              const std::string& key);
