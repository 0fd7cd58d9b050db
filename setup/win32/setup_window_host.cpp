#include "setup_window_host.h"

#include <windows.h>

#include "plain_message.h"
#include "profile_file.h"
#include "restart_windows.h"
#include "setup_texts.h"
#include "window_helpers.h"

SetupWindowHost::SetupWindowHost() : messageWindow_(kSetupProgramTitle) {}

bool SetupWindowHost::fileExists(const std::string& path) {
    return FileExists(path);
}

std::string SetupWindowHost::readProfileString(const std::string& file, const std::string& section,
                                               const std::string& key) {
    return ReadProfileString(file, section, key);
}

void SetupWindowHost::showProgress(const std::string& text) {
    messageWindow_.show(text);
    trace_.mark("message window painted");
    trace_.write();
}

void SetupWindowHost::closeProgress() {
    messageWindow_.close();
}

void SetupWindowHost::showMessage(const std::string& text) {
    ShowPlainMessage(text, kSetupProgramTitle);
}

void SetupWindowHost::showFinished(const std::string& text) {
    MessageBoxA(nullptr, text.c_str(), kSetupProgramTitle,
                MB_OK | MB_ICONINFORMATION | MB_SYSTEMMODAL);
}

bool SetupWindowHost::restartWindows() {
    return RestartWindows(kSetupProgramTitle);
}
