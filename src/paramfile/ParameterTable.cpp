#include "ParameterTable.h"

namespace morvent {

const std::vector<ParameterRow>& parameterRows() {
    static const std::vector<ParameterRow> rows = [] {
        std::vector<ParameterRow> all;
        for (const ParameterDefinition& definition : parameterDefinitions()) {
            all.push_back(
                {definition.section(), definition.key, definition.control, definition.kind});
        }
        return all;
    }();
    return rows;
}

} // namespace morvent
