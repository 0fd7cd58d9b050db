// Starting another program by its full path, never by a search of the command line's words.
#pragma once

#include <windows.h>

#include <string>

// Starts the program (UTF-8 path; empty: the command line's first, quoted word) shown as `show`;
// the new process's handle, which the caller closes, or nullptr when Windows refused.
HANDLE StartProgram(const std::string& program, const std::string& commandLine, WORD show);
