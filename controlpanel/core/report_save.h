// Saving a report over one the user may already have: the old report stays whole until the new
// one is on the disk, so a write that fails (a full disk, a lost network folder) loses nothing.
#pragma once

#include <string>

// The file system as a save uses it; paths are UTF-8.
class ReportFiles {
public:
    virtual ~ReportFiles() = default;
    // A new empty file in the folder of target; its path, or empty.
    virtual std::string createBeside(const std::string& target) = 0;
    // The text as the whole file, flushed to the disk.
    virtual bool writeAll(const std::string& path, const std::string& text) = 0;
    // Puts written where target is, replacing it, in one step.
    virtual bool replace(const std::string& written, const std::string& target) = 0;
    virtual void remove(const std::string& path) = 0;
    // What the system said about the last step that failed.
    virtual std::string failure() = 0;
};

// Writes the text beside target, then puts it in target's place. On failure, why, with target
// as it was and nothing left beside it.
bool SaveReplacing(ReportFiles& files, const std::string& target, const std::string& text,
                   std::string& reason);
