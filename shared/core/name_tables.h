// The control panel's program-wide name tables: the texts of the touch modes, feedback sounds,
// accelerations and serial rates, shared by the status lines and the dialogs' option captions.
#pragma once

#include <array>
#include <string>

struct NameTables {
    // Entry 0 stays empty in every table; the driver's values start at 1.
    std::array<std::string, 5> mode;
    std::array<std::string, 5> sound;
    std::array<std::string, 5> acceleration;
    std::array<std::string, 12> baud;

    // The rate text of a BaudIndex, empty for an index outside 1..11.
    std::string baudName(int index) const;
};

void FillNameTables(NameTables& tables);
