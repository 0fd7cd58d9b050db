#include "setup_sequence.h"

#include "config_store.h"
#include "setup_files.h"
#include "setup_texts.h"

bool IsUnattended(const std::string& arguments) {
    size_t first = arguments.find_first_not_of(" \t");
    if (first == std::string::npos) return false;
    size_t last = arguments.find_last_not_of(" \t");
    std::string line = arguments.substr(first, last - first + 1);
    for (char& c : line)
        if (c >= 'a' && c <= 'z') c = char(c - 'a' + 'A');
    return line == kUnattendedSwitch;
}

SetupResult RunSetup(SetupHost& host, RegistryApi& registry, const std::string& arguments,
                     const std::string& programFolder) {
    bool unattended = IsUnattended(arguments);
    if (!unattended) host.showProgress(kUpdatingText);
    ProgramConfig config;
    if (!LoadInstallInfo(registry, config)) {
        host.showMessage(kRegisterFileFailText);
        if (!unattended) host.closeProgress();
        return SetupResult::InstallInfoMissing;
    }
    config.programFolder = programFolder;
    CopySettings(host, registry, config);
    ApplyBrandingFile(host, registry, config);
    if (unattended) return SetupResult::Finished;
    host.closeProgress();
    host.showFinished(kFinishedText);
    host.restartWindows();
    return SetupResult::Finished;
}

int ExitCodeFor(SetupResult result) {
    return result == SetupResult::Finished ? 0 : 1;
}
