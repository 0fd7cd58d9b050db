// What keeps a full-screen run from starting, or ends it: a remote session, sizes that do not
// agree, a display change, a lock, a log-off; collected from Windows for the core to decide.
#pragma once

#include <windows.h>

#include <optional>

#include "display_check.h"
#include "driver_records.h"

// Why a full-screen run cannot start in this session on this display; nothing when it can.
std::optional<DisplayProblem> FullScreenRunRefused(const DriverBlock& block);

void ShowDisplayProblem(DisplayProblem problem, const DriverBlock& block, const char* title);

// What a message a full-screen window sees means for its run.
enum class SessionSignal {
    None,
    EndSession,     // restore now: Windows ends the process without an unload
    BreakOff,       // a lock, a disconnect or a log-off
    DisplayChange,  // resolution, rotation, scaling or primary monitor
};
SessionSignal SessionSignalOf(UINT message, WPARAM wParam);
