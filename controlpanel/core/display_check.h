// Whether a full-screen run can trust its sizes: the window it covers the screen with, the
// primary display's current mode and the screen size the driver maps touches to must agree,
// or the targets land where the driver does not expect them and the result is silently wrong.
#pragma once

#include <optional>
#include <string>

struct PixelSize {
    int width;
    int height;
};

enum class DisplayProblem {
    DriverSizeStale,   // the display changed after log-on and the driver was not told
    WindowNotDisplay,  // the window does not cover the display (scaling changed since sign-in)
    ChangedDuringRun,  // the display changed while the run waited for touches
    RemoteSession,     // the touch screen is at the console, not where the user is
};

std::optional<DisplayProblem> CheckDisplaySizes(PixelSize window, PixelSize display,
                                                PixelSize driver);

// The box's text: what is wrong and what the user can do about it.
std::string DisplayProblemText(DisplayProblem problem, PixelSize display, PixelSize driver);
