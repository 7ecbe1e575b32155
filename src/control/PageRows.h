#pragma once

#include "BlockLayout.h"
#include "ParameterTable.h"

#include <optional>
#include <string_view>
#include <vector>

namespace morvent {

// The rows of the parameter table whose controls are on the block's page, in table order: a
// page's values are the rows of the file section named after its tab.
std::vector<ParameterRow> pageRows(Block block);

// The block whose page holds the control, if it is one of the table's.
std::optional<Block> blockOfControl(std::string_view control);

} // namespace morvent
