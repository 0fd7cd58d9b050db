// What the settings dialogs' models are tested with: the simulated driver behind the DriverPort,
// the filled name tables and a comparison of blocks byte by byte.
#pragma once

#include <cstring>
#include <vector>

#include "name_tables.h"
#include "sim_driver_port.h"

inline NameTables FilledNames() {
    NameTables names;
    FillNameTables(names);
    return names;
}

// The bytes of two blocks that differ, as offsets.
inline std::vector<size_t> DifferingBytes(const DriverBlock& a, const DriverBlock& b) {
    std::vector<size_t> offsets;
    auto* left = reinterpret_cast<const uint8_t*>(&a);
    auto* right = reinterpret_cast<const uint8_t*>(&b);
    for (size_t offset = 0; offset < sizeof(DriverBlock); ++offset)
        if (left[offset] != right[offset]) offsets.push_back(offset);
    return offsets;
}
