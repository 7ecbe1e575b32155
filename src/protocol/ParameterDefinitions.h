#pragma once

#include "BlockLayout.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace morvent {

// How a control's value is kept in a parameter file. The file stores what the control shows,
// not the byte that goes to the controller.
enum class ParameterKind {
    // The control's text as a whole number, written back in decimal.
    Number,
    // The combo box's selected index, -1 when nothing is selected.
    SelectedIndex,
};

// A range a Write button tests a field against before anything is sent.
struct RangeCheck {
    std::int64_t lowest;
    std::int64_t highest;
    // As "The NAME is out of range,Please input again." names the field.
    std::string_view name;
    // The upper bound is the controller's maximum current from its identity, not `highest`.
    bool upToMaxCurrent = false;
    // Tested by the page's own Write button only; Write Flash sends whatever fits the field.
    bool pageWriteOnly = false;
};

// One parameter control of the four pages: what it sets, in which unit, the range the tool
// tests before a write, and where a parameter file keeps it.
struct ParameterDefinition {
    Block block; // the page, and the file's section named after it
    std::string key;
    std::string control;
    ParameterKind kind;
    std::string meaning; // what it sets, in words
    std::string unit;    // empty where the value has none
    std::optional<RangeCheck> check;

    std::string_view section() const { return layout(block).title; }
};

// The 102 parameter controls in the order a parameter file holds them. The range checks, the
// file's keys and the controls' help all come from this one table.
const std::vector<ParameterDefinition>& parameterDefinitions();

// The row of a parameter control; nullptr for any other name.
const ParameterDefinition* parameterDefinition(std::string_view control);

// The help a parameter control shows when pointed at: what it sets, its unit, the values the
// tool accepts (its range check within what its wire field can carry, or its list), and its key
// in parameter files. Empty for a name that is no parameter control.
std::string parameterHelp(std::string_view control);

} // namespace morvent
