#pragma once
// Which rows the Structure Data and Complementary Data pages show for a problem code, and where.

#include <cstdint>
#include <string>
#include <vector>

#include "InputBoxes.h"

namespace taldor {

// Vertical row rule shared by the input pages and the Results page: rows and groups count from
// 1, groups add a small gap between categories, a box or button sits 4 pixels above its label.
int LabelTop(int row, int group);    // 24 row + 8 group + 8
int ControlTop(int row, int group);  // 24 row + 8 group + 4

struct InputRow {
    Box box;
    int row;
    int group;
    bool picker;  // the picker button sits on the row, after the unit caption
};

// A category heading on an input page.
struct CategoryRow {
    const char* name;     // object name of the label
    const char* caption;  // "STRUCTURE", ...
    int row;
    int group;
};

struct PageRows {
    std::vector<InputRow> inputs;
    std::vector<CategoryRow> categories;
};

PageRows StructureRows(std::int32_t code);
PageRows ComplementaryRows(std::int32_t code);

// A control made visible at a vertical position.
struct PlacedControl {
    std::string name;
    int top;
};
// The controls of the rows (label, box, unit label, picker button, category labels) with their
// tops, as PlaceRow and PlaceRowTriple place them.
std::vector<PlacedControl> PlaceRows(const PageRows& rows);

}  // namespace taldor
