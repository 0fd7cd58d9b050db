// Where a program finds the programs it starts and the files it parses or deletes. Every user
// may change the configuration key, so its InstallPath, WindowsPath and SystemPath only say
// where things were put; what a program acts on comes from its own file's folder, or from a
// record only administrators can write.
#pragma once

#include <string>

// "C:\Program Files\Brinvale TouchScreen\NXWLHCcp.exe" -> "C:\Program Files\Brinvale
// TouchScreen"; empty when the path names no folder.
std::string FolderOfFile(const std::string& path);

// folder\name; empty when there is no folder, so that nothing is looked for in the current
// drive's root or, by the profile functions, in the Windows folder.
std::string FileInFolder(const std::string& folder, const std::string& name);
