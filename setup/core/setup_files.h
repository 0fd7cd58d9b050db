// The two optional files of the installation folder and what the setup program takes from them.
#pragma once

#include <string>

#include "config_store.h"
#include "registry_api.h"
#include "setup_host.h"

constexpr char kSettingsFile[] = "setup.ini";
constexpr char kBrandingFile[] = "setup.oem";
constexpr char kBrandingSection[] = "SETUP";
constexpr char kBrandingTitleKey[] = "TITLE";
constexpr char kBrandingStyleKey[] = "STYLE";

// installPath\name; empty when there is no installation folder, so that nothing is looked for
// in the current drive's root or, by the profile functions, in the Windows folder.
std::string InstallationFile(const std::string& installPath, const std::string& name);

// "setup.ini" into the configuration key: only valid values, a box for each failed write.
// Without the file or the key nothing happens.
void CopySettings(SetupHost& host, RegistryApi& registry, const ProgramConfig& config);

// "setup.oem": a non-empty TITLE becomes VenderName, a non-empty STYLE VenderStyle.
void ApplyBrandingFile(SetupHost& host, RegistryApi& registry, ProgramConfig& config);
