// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#include "ShownParameters.h"

#include <algorithm>

namespace morvent {

namespace {

// "Assit0:" and "Low Battery Protect(V): " as a report's cell shows them.
std::string trimmed(std::string caption) {
    while (!caption.empty() && (caption.back() == ' ' || caption.back() == ':')) {
        caption.pop_back();
    }
    return caption;
}

std::vector<ShownParameter> buildShown() {
    const std::vector<Parameter>& table = parameterTable();
    std::vector<ShownParameter> shown;
    for (const Parameter& p : table) {
        // A grid's caption recurs in its block under other headings; a heading over a group of
        // captions of their own ("Error Voltage:") is part of each caption.
        const bool inGrid =
            !p.column.empty() && std::count_if(table.begin(), table.end(), [&](const Parameter& q) {
                                     return q.block == p.block && q.label == p.label;
                                 }) > 1;
        shown.push_back({p.block, inGrid, trimmed(inGrid ? p.label : shownLabel(p)),
                         inGrid ? trimmed(p.column) : "", trimmed(shownLabel(p)), p.unit,
                         p.control});
    }
    return shown;
}

} // namespace

const std::vector<ShownParameter>& shownParameters() {
    static const std::vector<ShownParameter> shown = buildShown();
    return shown;
}

std::string shownValue(const Fields& fields, const std::string& control) {
    return fields.text(control);
}

} // namespace morvent
