#include "PageRows.h"

namespace morvent {

std::vector<ParameterRow> pageRows(Block block) {
    std::vector<ParameterRow> rows;
    for (const ParameterRow& row : parameterRows()) {
        if (row.section == layout(block).title) {
            rows.push_back(row);
        }
    }
    return rows;
}

std::optional<Block> blockOfControl(std::string_view control) {
    for (const ParameterRow& row : parameterRows()) {
        if (row.control == control) {
            for (Block block : kAllBlocks) {
                if (row.section == layout(block).title) {
                    return block;
                }
            }
        }
    }
    return std::nullopt;
}

} // namespace morvent
