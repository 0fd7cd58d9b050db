// Helpers every window of the programs shares: single instance, placement, cursor, files.
#pragma once

#include <windows.h>

#include <string>

#include "form.h"

// The first top-level window other than ownWindow, without a parent, titled exactly caption.
HWND FindRunningWindow(HWND ownWindow, const std::string& caption);

// Shows the main window again with the focus, the hourglass up while it comes.
void ReturnToMainWindow(forms::Form& main);

// Centred horizontally and in the upper 85 % of the screen.
void PlaceWindow(forms::Form& window);

// The window's imgIcon in the middle of its picIcon.
void CentreIcon(forms::Form& window);

void HideCursor();
void ShowCursorAgain();

// True when the file (a UTF-8 path) can be opened for reading; one trailing "\" is ignored.
bool FileExists(std::string path);
