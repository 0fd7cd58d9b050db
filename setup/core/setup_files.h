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

// Both files are read from config.programFolder, never from InstallPath.

// "setup.ini" into the configuration key: only valid values, a box for each failed write.
// Without the file or the key nothing happens.
void CopySettings(SetupHost& host, RegistryApi& registry, const ProgramConfig& config);

// "setup.oem": a non-empty TITLE becomes VenderName, a non-empty STYLE VenderStyle.
void ApplyBrandingFile(SetupHost& host, RegistryApi& registry, ProgramConfig& config);
