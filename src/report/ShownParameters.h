#pragma once

#include "BlockLayout.h"
#include "Fields.h"

#include <string>
#include <vector>

namespace morvent {

// One parameter control as its page shows it, in the order the page shows them: for a report,
// or a list of differences, that a technician reads as they read the pages.
struct ShownParameter {
    Block block;         // its page
    std::string section; // the part of the page: "" for plain rows, else a grid's title
    std::string label;   // as the page shows it, without the trailing colon; a grid's row
    std::string column;  // a grid's column head; "" for plain rows
    std::string unit;    // from the parameter table; "" where it has none
    std::string control;
};

// Every parameter control of the four pages, page by page, each page top to bottom.
const std::vector<ShownParameter>& shownParameters();

// "Limit Current(%) Assit3", "Start(Kg) Spd20", "Low Battery Protect(V)".
std::string fullLabel(const ShownParameter& parameter);

// The value as the page shows it: a field's text, a list's shown item.
std::string shownValue(const Fields& fields, const std::string& control);

} // namespace morvent
