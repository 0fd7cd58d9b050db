#include "setup_files.h"

#include "setup_number.h"
#include "setup_settings.h"
#include "setup_texts.h"

std::string InstallationFile(const std::string& installPath, const std::string& name) {
    if (installPath.empty()) return "";
    bool separated = installPath.back() == '\\' || installPath.back() == '/';
    return installPath + (separated ? "" : "\\") + name;
}

void CopySettings(SetupHost& host, RegistryApi& registry, const ProgramConfig& config) {
    std::string file = InstallationFile(config.installPath, kSettingsFile);
    if (file.empty() || !host.fileExists(file)) return;
    RegistryKey key = 0;
    if (!OpenConfigKey(registry, config.key.root, config.key.path, config.key.subkey, key)) return;
    std::vector<SettingWrite> writes = PlanSettingWrites([&](const char* name) {
        return CleanProfileText(host.readProfileString(file, kSettingsSection, name));
    });
    for (const SettingWrite& write : writes)
        if (!WriteNumber(registry, key, write.name, write.value))
            host.showMessage(SaveFailedText(write.name));
    CloseConfigKey(registry, key);
}

void ApplyBrandingFile(SetupHost& host, RegistryApi& registry, ProgramConfig& config) {
    std::string file = InstallationFile(config.installPath, kBrandingFile);
    if (file.empty() || !host.fileExists(file)) return;
    std::string title =
        CleanProfileText(host.readProfileString(file, kBrandingSection, kBrandingTitleKey));
    if (!title.empty()) {
        config.venderName = title;
        if (!SaveVenderName(registry, config)) host.showMessage(kVenderNameFailedText);
    }
    std::string style =
        CleanProfileText(host.readProfileString(file, kBrandingSection, kBrandingStyleKey));
    if (!style.empty()) {
        config.venderStyle = style;
        if (!SaveVenderStyle(registry, config)) host.showMessage(kVenderStyleFailedText);
    }
}
