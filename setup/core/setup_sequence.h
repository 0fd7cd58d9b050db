// The setup program from start to end: settings and branding into the configuration key,
// then, unless unattended, the final message and the restart.
#pragma once

#include <string>

#include "registry_api.h"
#include "setup_host.h"

constexpr char kUnattendedSwitch[] = "/XPEFBASETUP";

enum class SetupResult {
    Finished,            // also when the restart was refused: the installation itself is done
    InstallInfoMissing,  // nothing was copied
};

// The whole command line after the program's name, any case; surrounding blanks do not count.
bool IsUnattended(const std::string& arguments);

// setup.ini and setup.oem are read in programFolder, the setup program's own folder.
SetupResult RunSetup(SetupHost& host, RegistryApi& registry, const std::string& arguments,
                     const std::string& programFolder);

// What the program returns to whoever started it.
int ExitCodeFor(SetupResult result);
