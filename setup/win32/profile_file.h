// Reading the setup program's INI files, in whichever encoding an editor saved them.
#pragma once

#include <string>

// The file's path is UTF-8; the key's whole text comes back in the ANSI code page, as the
// configuration store writes it. Empty when the key, the section or the file is missing, and when
// the text is longer than kMaxProfileValueChars.
std::string ReadProfileString(const std::string& file, const std::string& section,
                              const std::string& key);
