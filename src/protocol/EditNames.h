// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#pragma once

#include <string>

namespace morvent {

// The number fields of the four parameter pages.
inline constexpr int kEditCount = 96;

// "Edit1", "edit2", "Edit3" ... "Edit96": the second field alone is spelled with a lower-case
// e. Parameter files, status messages and the codecs all find a field by this name, so one
// misspelt copy of the rule would lose that field's value without a word.
std::string editName(int n);

// The Torque page's calibration grid: a quantity per row, a speed point per column.
inline constexpr int kTorqueGridRows = 8;
inline constexpr int kTorqueGridColumns = 6;

// The field in row r, column c (both from 0). The page numbers the grid row by row from Edit44
// while the controller takes it column by column, so the page, the codec and the parameter table
// walk it in different orders and must meet on this one formula.
constexpr int torqueGridEdit(int row, int column) {
    return 44 + kTorqueGridColumns * row + column;
}

} // namespace morvent
