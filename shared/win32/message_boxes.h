// The two standard message boxes.
#pragma once

#include <string>

// A beep, then a system-modal box with the stop icon and OK; text and title are UTF-8. Returns
// the button (OK).
int ShowErrorBox(const std::string& text, const std::string& title);

constexpr int kYesIsDefault = 0;
constexpr int kNoIsDefault = 256;

// A system-modal question with Yes and No; returns 6 (Yes) or 7 (No).
int AskQuestion(const std::string& text, int extra, const std::string& title);
