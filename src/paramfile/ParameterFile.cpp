#include "ParameterFile.h"

#include "FileIo.h"
#include "IniDocument.h"
#include "NumberConversion.h"
#include "ParameterTable.h"

#include <cstdint>
#include <vector>

namespace morvent {

void SaveParameterFile(const Fields& fields, const std::string& path) {
    const std::vector<ParameterRow>& rows = parameterRows();
    std::vector<std::int32_t> values;
    values.reserve(rows.size());
    for (const ParameterRow& row : rows) {
        values.push_back(row.kind == ParameterKind::Number ? toInteger(fields.text(row.control))
                                                           : fields.selectedIndex(row.control));
    }

    IniDocument document;
    if (const std::optional<std::string> existing = readFile(path, kParameterFileLimit)) {
        document = IniDocument(*existing);
    } else if (!isMissing(path)) {
        // There is a file that cannot be read, so its other lines could not be kept.
        throw ParameterFileError("Unable to write to " + path);
    }
    for (std::size_t i = 0; i < rows.size(); ++i) {
        document.setValue(rows[i].section, rows[i].key, std::to_string(values[i]));
    }
    if (!replaceFile(path, document.text())) {
        throw ParameterFileError("Unable to write to " + path);
    }
}

void LoadParameterFile(Fields& fields, const std::string& path) {
    const std::optional<std::string> content = readFile(path, kParameterFileLimit);
    if (!content) {
        throw ParameterFileError("Unable to read " + path);
    }
    const IniDocument document(*content);
    for (const ParameterRow& row : parameterRows()) {
        const std::optional<std::string> text = document.value(row.section, row.key);
        const std::int32_t value = text ? parseInteger(*text).value_or(0) : 0;
        if (row.kind == ParameterKind::Number) {
            fields.setText(row.control, std::to_string(value));
        } else {
            fields.setSelectedIndex(row.control, value);
        }
    }
}

} // namespace morvent
