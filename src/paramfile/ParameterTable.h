#pragma once

#include "ParameterDefinitions.h"

#include <string>
#include <string_view>
#include <vector>

namespace morvent {

struct ParameterRow {
    std::string_view section;
    std::string key;
    std::string control;
    ParameterKind kind;
};

// The 102 values of a parameter file, in the order they are written and read, taken from the
// parameter table (ParameterDefinitions.h). A row's section is named after its block's page, so a
// new file receives its sections in page order. Keys are unique within a section only: "DA", "SL"
// and "SC" are in both "Pedal Assist" and "Throttle Handle".
const std::vector<ParameterRow>& parameterRows();

} // namespace morvent
