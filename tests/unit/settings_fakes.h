// What the settings dialogs' models are tested with: the simulated driver behind the DriverPort,
// the filled name tables and a comparison of blocks byte by byte.
#pragma once

#include <cstring>
#include <type_traits>
#include <vector>

#include "name_tables.h"
#include "sim_driver_port.h"

inline NameTables FilledNames() {
    NameTables names;
    FillNameTables(names);
    return names;
}

// A settings dialog's model opened on a stored block that the simulated driver also holds;
// `->` reaches the model.
template <class Model>
struct OpenDialog {
    NameTables names = FilledNames();
    SimDriverPort driver;
    DriverBlock block;
    Model model;

    explicit OpenDialog(const DriverBlock& stored) : block(stored), model(open()) {}
    Model* operator->() { return &model; }

private:
    Model open() {
        driver.putBlock(block);
        if constexpr (std::is_constructible_v<Model, DriverBlock&, DriverPort&, const NameTables&>)
            return Model(block, driver, names);
        else
            return Model(block, driver);
    }
};

// The bytes of two blocks that differ, as offsets.
inline std::vector<size_t> DifferingBytes(const DriverBlock& a, const DriverBlock& b) {
    std::vector<size_t> offsets;
    auto* left = reinterpret_cast<const uint8_t*>(&a);
    auto* right = reinterpret_cast<const uint8_t*>(&b);
    for (size_t offset = 0; offset < sizeof(DriverBlock); ++offset)
        if (left[offset] != right[offset]) offsets.push_back(offset);
    return offsets;
}
