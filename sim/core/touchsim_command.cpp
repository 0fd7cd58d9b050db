#include "touchsim_command.h"

#include <cstdlib>

const char* const kTouchsimUsage =
    "usage: touchsim status                  every DriverBlock field as Name=value\n"
    "       touchsim set Name=value ...      set fields of the driver's block\n"
    "       touchsim touch X Y [--jitter N]  put the finger down at raw X, Y (0..1023)\n"
    "       touchsim lift                    lift the finger\n"
    "       touchsim windows                 the registered right-button and SMI windows\n"
    "       touchsim log [--clear]           the requests since the last clear\n"
    "       touchsim state                   calibration state, sound tests, port resources\n"
    "       touchsim reset                   back to the start-up settings\n"
    "       touchsim follow-mouse            the mouse is the finger until interrupted\n";

namespace {

bool ParseRaw(const std::string& text, int low, int high, int& value) {
    if (text.empty()) return false;
    char* end = nullptr;
    long parsed = std::strtol(text.c_str(), &end, 10);
    if (*end != '\0' || parsed < low || parsed > high) return false;
    value = int(parsed);
    return true;
}

bool Fail(std::string& error, const std::string& reason) {
    error = reason;
    return false;
}

}  // namespace

bool ParseTouchsimCommand(const std::vector<std::string>& args, TouchsimCommand& command,
                          std::string& error) {
    command = TouchsimCommand{};
    if (args.empty()) return Fail(error, "no command given");
    const std::string& verb = args[0];
    size_t extra = args.size() - 1;
    if (verb == "set") {
        if (extra == 0) return Fail(error, "set needs at least one Name=value");
        command.verb = TouchsimVerb::Set;
        command.assignments.assign(args.begin() + 1, args.end());
        return true;
    }
    if (verb == "touch") {
        command.verb = TouchsimVerb::Touch;
        if (extra != 2 && !(extra == 4 && args[3] == "--jitter"))
            return Fail(error, "touch takes X Y and optionally --jitter N");
        if (!ParseRaw(args[1], 0, 1023, command.x) || !ParseRaw(args[2], 0, 1023, command.y))
            return Fail(error, "X and Y are raw coordinates from 0 to 1023");
        if (extra == 4 && !ParseRaw(args[4], 0, 100, command.jitter))
            return Fail(error, "the jitter is 0 to 100 raw units");
        return true;
    }
    if (verb == "log") {
        command.verb = TouchsimVerb::Log;
        if (extra == 1 && args[1] == "--clear") command.clear = true;
        else if (extra != 0) return Fail(error, "log takes only --clear");
        return true;
    }
    static const struct {
        const char* name;
        TouchsimVerb verb;
    } kPlainVerbs[] = {{"status", TouchsimVerb::Status},   {"lift", TouchsimVerb::Lift},
                       {"windows", TouchsimVerb::Windows}, {"reset", TouchsimVerb::Reset},
                       {"state", TouchsimVerb::State},     {"follow-mouse", TouchsimVerb::FollowMouse}};
    for (const auto& plain : kPlainVerbs) {
        if (verb != plain.name) continue;
        if (extra != 0) return Fail(error, verb + " takes no arguments");
        command.verb = plain.verb;
        return true;
    }
    return Fail(error, "unknown command \"" + verb + "\"");
}

int PanelRaw(int position, int extent) {
    if (extent <= 1) return 40;
    if (position < 0) position = 0;
    if (position > extent - 1) position = extent - 1;
    return 40 + (position * (983 - 40) + (extent - 1) / 2) / (extent - 1);
}
