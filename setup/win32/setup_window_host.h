// The setup program's sequence bound to Windows: files, the message window, boxes, restart.
#pragma once

#include "message_window.h"
#include "setup_host.h"
#include "startup_trace.h"

class SetupWindowHost : public SetupHost {
public:
    SetupWindowHost();

    bool fileExists(const std::string& path) override;
    std::string readProfileString(const std::string& file, const std::string& section,
                                  const std::string& key) override;
    void showProgress(const std::string& text) override;
    void closeProgress() override;
    void showMessage(const std::string& text) override;
    void showFinished(const std::string& text) override;
    bool restartWindows() override;

private:
    StartupTrace trace_;  // first, so that it marks the start before anything else runs
    MessageWindow messageWindow_;
};
