// Where the user keeps a report, and writing it there.
#pragma once

#include <windows.h>

#include <string>

// The standard Save dialog for a text file, opened in the user's Documents folder with the
// name offered. The path chosen, in UTF-8 whatever its characters; empty when the user
// cancelled, or when the dialog failed, with its error code (CommDlgExtendedError) in
// dialogError.
std::string AskWhereToSave(HWND owner, const std::string& title, const std::string& name,
                           DWORD& dialogError);

// Writes the text as the whole file at path (UTF-8), replacing a file there only once the new
// one is written. On failure, what Windows says went wrong, and the old file as it was.
bool WriteWholeFile(const std::string& path, const std::string& text, std::string& reason);
