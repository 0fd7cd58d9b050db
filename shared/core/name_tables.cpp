#include "name_tables.h"

std::string NameTables::baudName(int index) const {
    if (index < 1 || index >= static_cast<int>(baud.size())) return std::string();
    return baud[static_cast<size_t>(index)];
}

void FillNameTables(NameTables& tables) {
    // A doubled ampersand shows as one "&" in a caption instead of marking an access key.
    tables.mode = {"", "Stream Mode", "Lift Off Mode", "Touch Down Mode", "Drag Drop Mode"};
    tables.sound = {"", "Silence ( No Sound )", "Touch Down Only", "Lift Off Only",
                    "Both Touch Down && Lift Off"};
    tables.acceleration = {"", "Slow", "Medium", "Fast", "Off"};
    tables.baud = {"",      "1200",  "2400",  "4800",  "9600",  "14400",
                   "19200", "28800", "38400", "57600", "76800", "115200"};
}
