// Reading the setup program's INI files, in whichever encoding an editor saved them.
#pragma once

#include <string>

// The key's whole text in the ANSI code page the programs' registry strings use; empty when
// the key, the section or the file is missing, and when the text is longer than
// kMaxProfileValueChars.
std::string ReadProfileString(const std::string& file, const std::string& section,
                              const std::string& key);
