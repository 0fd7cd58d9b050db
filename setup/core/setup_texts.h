// The setup program's title and the texts it shows, as the users have always read them.
#pragma once

#include <string>

#include "shared_texts.h"

constexpr char kSetupProgramTitle[] = "TouchScreen Driver Installation";

constexpr char kUpdatingText[] = "Setup is updating your system...";
constexpr char kVenderNameFailedText[] = "Fail to Set Vender Name!";
constexpr char kVenderStyleFailedText[] = "Fail to Set Vender Style!";
constexpr char kFinishedText[] =
    "Setup has finished installing TouchScreen drivers and utilities on your computer.\r\n\r\n"
    "The Windows must be restarted.";

// "Fail to save settings! (MouseSpeed)"
std::string SaveFailedText(const std::string& valueName);
