// The startup program's switches: "/SDC" opens the double-click settings, "/SAM" the automatic
// scan settings, anything else is the log-on run.
#pragma once

#include <string>

struct StartupFlags {
    bool doubleClick = false;  // "/SDC"
    bool autoScan = false;     // "/SAM"
};

// What follows the program name and the one blank that separates it, exactly as given: a
// second blank belongs to the arguments. The name may be quoted.
std::string CommandArguments(const std::string& commandLine);

// The whole argument text, upper-cased, must equal a switch; extra words or blanks count as
// no switch.
StartupFlags ParseStartupFlags(const std::string& arguments);
