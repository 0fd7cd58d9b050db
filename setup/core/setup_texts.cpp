#include "setup_texts.h"

std::string SaveFailedText(const std::string& valueName) {
    return "Fail to save settings! (" + valueName + ")";
}
