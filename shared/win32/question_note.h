// A line of our own in a message box, between its fixed text and its buttons.
#pragma once

#include <windows.h>

// Makes room for one line above the buttons and puts a label there; the label, or null.
HWND AddQuestionNote(HWND box);
