// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#pragma once

#include "Fields.h"
#include "ParameterTable.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace morvent {

// One parameter control as its page shows it, for a report or a list of differences.
struct ShownParameter {
    Block block;        // its page
    bool inGrid;        // a cell of a grid (the assist levels, the torque map), else a plain row
    std::string label;  // the caption without its trailing colon; a grid cell's row
    std::string column; // a grid cell's column heading
    std::string full;   // the whole caption: "Error Voltage: Min", "Spd20 Start(Kg)"
    std::string unit;
    std::string control;
};

// Every parameter control of the four pages, page by page, from the parameter table.
const std::vector<ShownParameter>& shownParameters();

// A text of the parameter table as it is to be read: in the window, in its language.
using Wording = std::function<std::string(std::string_view)>;

// The captions and unit of a parameter with each text of the parameter table put in words first.
ShownParameter shownIn(const ShownParameter& shown, const Wording& wording);

// The value as the page shows it: a field's text, a list's shown item.
std::string shownValue(const Fields& fields, const std::string& control);

} // namespace morvent
