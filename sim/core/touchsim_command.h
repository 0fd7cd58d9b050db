// The command line of touchsim, the simulated driver's control tool.
#pragma once

#include <string>
#include <vector>

enum class TouchsimVerb { Status, Set, Touch, Lift, Windows, Log, Reset, State, FollowMouse };

struct TouchsimCommand {
    TouchsimVerb verb = TouchsimVerb::Status;
    std::vector<std::string> assignments;  // set
    int x = 0, y = 0, jitter = 0;          // touch
    bool clear = false;                    // log --clear
};

// Parses the arguments after the program name; false with a reason on a bad command line.
bool ParseTouchsimCommand(const std::vector<std::string>& args, TouchsimCommand& command,
                          std::string& error);

extern const char* const kTouchsimUsage;

// The raw coordinate a finger at this screen position gives on the simulated panel, whose
// active area maps to raw 40..983 the way the factory calibration expects.
int PanelRaw(int position, int extent);
