#include "trusted_folder.h"

std::string FolderOfFile(const std::string& path) {
    std::string::size_type separator = path.find_last_of("\\/");
    if (separator == std::string::npos) return "";
    // a file in a drive's root keeps its separator: "C:" alone is that drive's current folder
    if (separator == 2 && path[1] == ':') return path.substr(0, 3);
    return path.substr(0, separator);
}

std::string FileInFolder(const std::string& folder, const std::string& name) {
    if (folder.empty()) return "";
    bool separated = folder.back() == '\\' || folder.back() == '/';
    return folder + (separated ? "" : "\\") + name;
}
