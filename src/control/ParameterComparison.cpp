// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#include "ParameterComparison.h"

#include "NumberConversion.h"
#include "ParameterFile.h"
#include "ParameterTable.h"

namespace morvent {

std::map<std::string, std::int32_t, std::less<>> readParameterValues(const std::string& path) {
    // Read by the very code that loads a file, as the numbers it holds.
    const ParameterFileContent content = readParameterFile(path);
    std::map<std::string, std::int32_t, std::less<>> values;
    for (std::size_t i = 0; i < content.values.size(); ++i) {
        values.emplace(parameterTable()[i].control, content.values[i]);
    }
    return values;
}

std::vector<FieldDifference>
differingFields(const Fields& window,
                const std::map<std::string, std::int32_t, std::less<>>& file) {
    std::vector<FieldDifference> differences;
    for (const Parameter& row : parameterTable()) {
        const auto found = file.find(row.control);
        std::int32_t fileValue = found == file.end() ? 0 : found->second;
        bool differs = false;
        if (row.kind == ParameterKind::Number) {
            const std::optional<std::int32_t> shown = parseInteger(window.text(row.control));
            differs = !shown || *shown != fileValue;
        } else {
            if (!fileIndexShows(row, fileValue, window.itemCount(row.control))) {
                fileValue = -1;
            }
            differs = fileIndex(row, window) != fileValue;
        }
        if (differs) {
            differences.push_back({row.control, row.kind, fileValue});
        }
    }
    return differences;
}

} // namespace morvent
