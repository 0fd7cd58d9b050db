#include "display_check.h"

namespace {

bool Same(PixelSize a, PixelSize b) {
    return a.width == b.width && a.height == b.height;
}

std::string SizeText(PixelSize size) {
    return std::to_string(size.width) + " X " + std::to_string(size.height);
}

}  // namespace

std::optional<DisplayProblem> CheckDisplaySizes(PixelSize window, PixelSize display,
                                                PixelSize driver) {
    if (!Same(driver, display)) return DisplayProblem::DriverSizeStale;
    if (!Same(window, display)) return DisplayProblem::WindowNotDisplay;
    return std::nullopt;
}

std::string DisplayProblemText(DisplayProblem problem, PixelSize display, PixelSize driver) {
    switch (problem) {
        case DisplayProblem::DriverSizeStale:
            return "The touch screen is set up for a screen of " + SizeText(driver) +
                   ", but the display shows " + SizeText(display) +
                   ".\r\n\r\nRun the TouchScreen startup program, or sign out and sign in "
                   "again, then calibrate.";
        case DisplayProblem::WindowNotDisplay:
            return "The screen cannot be covered at its size of " + SizeText(display) +
                   ".\r\n\r\nSign out and sign in again, then calibrate.";
        case DisplayProblem::ChangedDuringRun:
            return "The display settings changed, so the touches no longer match the screen."
                   "\r\n\r\nRun the TouchScreen startup program, or sign out and sign in "
                   "again, then start again.";
        case DisplayProblem::RemoteSession:
            return "The touch screen can only be calibrated at the computer it is connected "
                   "to, not from a remote session.";
    }
    return {};
}
