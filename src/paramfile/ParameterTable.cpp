#include "ParameterTable.h"

namespace morvent {

const std::vector<ParameterRow>& parameterRows() {
    static const std::vector<ParameterRow> rows = [] {
        std::vector<ParameterRow> all;
        for (const ParameterSpec& spec : parameterSpecs()) {
            all.push_back({spec.section(), spec.key, spec.control, spec.kind});
        }
        return all;
    }();
    return rows;
}

} // namespace morvent
