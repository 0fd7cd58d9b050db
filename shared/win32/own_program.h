// The running program's own file, as Windows loaded it: the one path no user but an
// administrator can point elsewhere once the program is installed.
#pragma once

#include <string>

// UTF-8; empty when Windows does not tell.
std::string OwnProgramFile();
// The folder of that file, without a trailing "\" (trusted_folder.h).
std::string OwnProgramFolder();
