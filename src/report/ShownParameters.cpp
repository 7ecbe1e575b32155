// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#include "ShownParameters.h"

#include <algorithm>

namespace morvent {

namespace {

// "Assit0:", "Low Battery Protect(V): " and their translations ("Niveau 0 :", "档位0：") as a
// report's cell shows them.
std::string trimmed(std::string caption) {
    for (bool cut = true; cut;) {
        cut = false;
        for (const std::string_view end : {" ", ":", "\u00a0", "\uff1a"}) {
            if (caption.ends_with(end)) {
                caption.resize(caption.size() - end.size());
                cut = true;
            }
        }
    }
    return caption;
}

// A heading over a group of captions of their own ("Error Voltage:") is part of each caption.
ShownParameter captioned(const Parameter& p, bool inGrid, const Wording& wording) {
    const std::string label = wording ? p.labelWording.shown(wording) : p.label;
    const std::string column =
        p.column.empty() ? std::string() : (wording ? p.columnWording.shown(wording) : p.column);
    const std::string full = column.empty() ? label : column + " " + label;
    return {p.block,
            inGrid,
            trimmed(inGrid ? label : full),
            inGrid ? trimmed(column) : "",
            trimmed(full),
            p.unit.empty() ? std::string() : wording(p.unit),
            p.control};
}

std::vector<ShownParameter> buildShown() {
    const std::vector<Parameter>& table = parameterTable();
    std::vector<ShownParameter> shown;
    for (const Parameter& p : table) {
        // A grid's caption recurs in its block under other headings.
        const bool inGrid =
            !p.column.empty() && std::count_if(table.begin(), table.end(), [&](const Parameter& q) {
                                     return q.block == p.block && q.label == p.label;
                                 }) > 1;
        shown.push_back(
            captioned(p, inGrid, [](std::string_view text) { return std::string(text); }));
    }
    return shown;
}

} // namespace

const std::vector<ShownParameter>& shownParameters() {
    static const std::vector<ShownParameter> shown = buildShown();
    return shown;
}

ShownParameter shownIn(const ShownParameter& shown, const Wording& wording) {
    return captioned(*parameter(shown.control), shown.inGrid, wording);
}

std::string shownValue(const Fields& fields, const std::string& control) {
    return fields.text(control);
}

} // namespace morvent
