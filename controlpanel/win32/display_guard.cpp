#include "display_guard.h"

#include "message_boxes.h"
#include "session_events.h"

namespace {

PixelSize DisplaySize() {
    PixelExtent mode = PrimaryDisplayMode();
    return {mode.width, mode.height};
}

PixelSize DriverSize(const DriverBlock& block) {
    return {block.ScreenWidth, block.ScreenHeight};
}

}  // namespace

std::optional<DisplayProblem> FullScreenRunRefused(const DriverBlock& block) {
    if (!AtPhysicalConsole(CurrentSessionFacts())) return DisplayProblem::RemoteSession;
    // the full-screen windows take the screen metrics as their size
    PixelSize window{GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    return CheckDisplaySizes(window, DisplaySize(), DriverSize(block));
}

void ShowDisplayProblem(DisplayProblem problem, const DriverBlock& block, const char* title) {
    ShowErrorBox(DisplayProblemText(problem, DisplaySize(), DriverSize(block)), title);
}

SessionSignal SessionSignalOf(UINT message, WPARAM wParam) {
    switch (message) {
        case WM_ENDSESSION:
            return wParam != FALSE ? SessionSignal::EndSession : SessionSignal::None;
        case WM_WTSSESSION_CHANGE:
            return SessionChangeBreaksOff(uint32_t(wParam)) ? SessionSignal::BreakOff
                                                            : SessionSignal::None;
        case WM_DISPLAYCHANGE:
            return SessionSignal::DisplayChange;
        default:
            return SessionSignal::None;
    }
}
