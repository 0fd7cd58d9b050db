// touchsim: steers the simulated touch driver for tests, the demo and people.
#include <windows.h>

#include <cstdio>
#include <string>
#include <vector>

#include "block_text.h"
#include "sim_channel.h"
#include "touchsim_command.h"

namespace {

constexpr int kUsageError = 1;
constexpr int kNoDriver = 2;
constexpr int kRequestFailed = 3;

volatile LONG gInterrupted = 0;

void PrintLines(const std::vector<std::string>& lines) {
    for (const std::string& line : lines) std::printf("%s\n", line.c_str());
}

int Failed(const char* what) {
    std::fprintf(stderr, "touchsim: the driver refused %s\n", what);
    return kRequestFailed;
}

int ShowLog(const SimChannel& channel, bool clear) {
    SimLogPage page{};
    page.FirstSequence = 0;
    for (;;) {
        if (!channel.transact(SIM_READ_LOG, page)) return Failed("the log request");
        for (uint32_t i = 0; i < page.Count; ++i) std::printf("%s\n", LogLine(page.Entries[i]).c_str());
        if (page.Count == 0 || page.FirstSequence + page.Count >= page.NextSequence) break;
        page.FirstSequence += page.Count;
    }
    if (clear) {
        SimEmpty empty{};
        if (!channel.transact(SIM_CLEAR_LOG, empty)) return Failed("clearing the log");
    }
    return 0;
}

int SetFields(const SimChannel& channel, const std::vector<std::string>& assignments) {
    DriverBlock block{};
    if (!channel.transact(SIM_GET_BLOCK, block)) return Failed("reading the block");
    for (const std::string& assignment : assignments) {
        std::string error;
        if (!AssignField(block, assignment, error)) {
            std::fprintf(stderr, "touchsim: %s\n", error.c_str());
            return kUsageError;
        }
    }
    if (!channel.transact(SIM_PUT_BLOCK, block)) return Failed("writing the block");
    return 0;
}

BOOL WINAPI OnConsoleInterrupt(DWORD) {
    InterlockedExchange(&gInterrupted, 1);
    return TRUE;
}

// The mouse is the finger: a held left button touches the panel where the pointer is.
int FollowMouse(const SimChannel& channel) {
    SetConsoleCtrlHandler(OnConsoleInterrupt, TRUE);
    bool down = false;
    POINT last{-1, -1};
    std::printf("touchsim: following the mouse; interrupt to stop\n");
    std::fflush(stdout);
    while (gInterrupted == 0) {
        POINT at{};
        bool pressed = (GetAsyncKeyState(VK_LBUTTON) & 0x8000) != 0 && GetCursorPos(&at);
        if (pressed && (!down || at.x != last.x || at.y != last.y)) {
            SimTouch touch{int16_t(PanelRaw(at.x, GetSystemMetrics(SM_CXSCREEN))),
                           int16_t(PanelRaw(at.y, GetSystemMetrics(SM_CYSCREEN))), 1, 0};
            channel.transact(SIM_TOUCH, touch);
            last = at;
        } else if (!pressed && down) {
            SimEmpty empty{};
            channel.transact(SIM_LIFT, empty);
        }
        down = pressed;
        Sleep(5);
    }
    if (down) {
        SimEmpty empty{};
        channel.transact(SIM_LIFT, empty);
    }
    return 0;
}

int Run(const TouchsimCommand& command, const SimChannel& channel) {
    switch (command.verb) {
        case TouchsimVerb::Status: {
            DriverBlock block{};
            if (!channel.transact(SIM_GET_BLOCK, block)) return Failed("reading the block");
            PrintLines(StatusLines(block));
            return 0;
        }
        case TouchsimVerb::Set:
            return SetFields(channel, command.assignments);
        case TouchsimVerb::Touch: {
            SimTouch touch{int16_t(command.x), int16_t(command.y), uint16_t(command.jitter), 0};
            return channel.transact(SIM_TOUCH, touch) ? 0 : Failed("the touch");
        }
        case TouchsimVerb::Lift: {
            SimEmpty empty{};
            return channel.transact(SIM_LIFT, empty) ? 0 : Failed("the lift");
        }
        case TouchsimVerb::Windows: {
            SimWindows windows{};
            if (!channel.transact(SIM_GET_WINDOWS, windows)) return Failed("the window query");
            PrintLines(WindowLines(windows));
            return 0;
        }
        case TouchsimVerb::Log:
            return ShowLog(channel, command.clear);
        case TouchsimVerb::Reset: {
            SimEmpty empty{};
            return channel.transact(SIM_RESET, empty) ? 0 : Failed("the reset");
        }
        case TouchsimVerb::State: {
            SimState state{};
            if (!channel.transact(SIM_GET_STATE, state)) return Failed("the state query");
            PrintLines(StateLines(state));
            return 0;
        }
        case TouchsimVerb::FollowMouse:
            return FollowMouse(channel);
    }
    return kUsageError;
}

}  // namespace

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    TouchsimCommand command;
    std::string error;
    if (!ParseTouchsimCommand(args, command, error)) {
        std::fprintf(stderr, "touchsim: %s\n%s", error.c_str(), kTouchsimUsage);
        return kUsageError;
    }
    SimChannel channel;
    if (!channel.isOpen()) {
        std::fprintf(stderr,
                     "touchsim: the simulated touch driver is not there (\\\\.\\NXWLHCOM could not "
                     "be opened, error %lu)\n",
                     GetLastError());
        return kNoDriver;
    }
    int result = Run(command, channel);
    std::fflush(stdout);
    return result;
}
