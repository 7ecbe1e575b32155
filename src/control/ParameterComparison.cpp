// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#include "ParameterComparison.h"

#include "NumberConversion.h"
#include "ParameterFile.h"
#include "ParameterTable.h"

#include <stdexcept>

namespace morvent {

namespace {

// Takes what a load puts into the controls and keeps it as numbers, so the file is read by the
// very code that loads it.
class LoadedValues final : public Fields {
public:
    std::string text(std::string_view) const override { throw unused(); }
    void setText(std::string_view name, std::string_view text) override {
        values.insert_or_assign(std::string(name), parseInteger(text).value_or(0));
    }
    int selectedIndex(std::string_view) const override { throw unused(); }
    void setSelectedIndex(std::string_view name, int index) override {
        values.insert_or_assign(std::string(name), index);
    }
    int itemCount(std::string_view) const override { throw unused(); }
    void setItems(std::string_view, const std::vector<std::string>&) override { throw unused(); }

    std::map<std::string, std::int32_t, std::less<>> values;

private:
    static std::logic_error unused() {
        return std::logic_error("a parameter file's values are only ever put");
    }
};

} // namespace

std::map<std::string, std::int32_t, std::less<>> readParameterValues(const std::string& path) {
    LoadedValues loaded;
    LoadParameterFile(loaded, path);
    return std::move(loaded.values);
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
            if (fileValue < 0 || fileValue >= window.itemCount(row.control)) {
                fileValue = -1;
            }
            differs = shownItem(window, row.control) != fileValue;
        }
        if (differs) {
            differences.push_back({row.control, row.kind, fileValue});
        }
    }
    return differences;
}

} // namespace morvent
