// What the setup program's sequence asks of Windows besides the registry: the two files in
// the installation folder, the message window, the message boxes and the restart.
#pragma once

#include <string>

class SetupHost {
public:
    virtual ~SetupHost() = default;

    // True when the file can be opened for reading.
    virtual bool fileExists(const std::string& path) = 0;
    // A key's whole text in an INI file's section, not cut to a buffer; empty when missing.
    virtual std::string readProfileString(const std::string& file, const std::string& section,
                                          const std::string& key) = 0;

    virtual void showProgress(const std::string& text) = 0;
    virtual void closeProgress() = 0;
    // A plain box: OK, no icon, the program title.
    virtual void showMessage(const std::string& text) = 0;
    // The system-modal information box that ends a normal installation.
    virtual void showFinished(const std::string& text) = 0;
    // Reports its own failure; true when Windows accepted the request.
    virtual bool restartWindows() = 0;
};
