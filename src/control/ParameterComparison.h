// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#pragma once

#include "Fields.h"
#include "ParameterTable.h"

#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace morvent {

// What a parameter file holds for each control of the table, read by the rules a load follows
// (a missing key or a value that is not a number gives 0). Throws ParameterFileError when the
// file cannot be read.
std::map<std::string, std::int32_t, std::less<>> readParameterValues(const std::string& path);

struct FieldDifference {
    std::string control;
    ParameterKind kind;
    // What loading the file would put into the control: an index the list does not have
    // selects nothing, so it is given as -1, but for a wheel size beyond the list, kept by its
    // place.
    std::int32_t fileValue;
};

// The controls, in table order, whose value differs from the file's. A text is compared as the
// number it stands for ("007" equals 7), and a text that is no number differs from every value;
// a list is compared by the item it shows (the one its text names, else its selected one), -1
// when it shows none.
std::vector<FieldDifference>
differingFields(const Fields& window, const std::map<std::string, std::int32_t, std::less<>>& file);

} // namespace morvent
