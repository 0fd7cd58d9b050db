// The plain message box of the setup and removal programs: OK, no icon, the program title.
#pragma once

#include <string>

void ShowPlainMessage(const std::string& text, const std::string& title);
