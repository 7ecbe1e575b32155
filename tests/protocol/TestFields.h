// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#pragma once

#include "EditNames.h"
#include "FieldStore.h"
#include "Frames.h"
#include "ParameterTable.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

namespace morvent::test {

// "Edit1=25 ComboBox5#1": texts after "=", selected indices after "#"; as {control, mark, value}.
inline std::vector<std::tuple<std::string, char, std::string>> parse(std::string_view values) {
    std::istringstream in{std::string(values)};
    std::vector<std::tuple<std::string, char, std::string>> parsed;
    for (std::string token; in >> token;) {
        const auto mark = token.find_first_of("=#");
        parsed.emplace_back(token.substr(0, mark), token[mark], token.substr(mark + 1));
    }
    return parsed;
}

inline void set(Fields& fields, std::string_view values) {
    for (const auto& [control, mark, value] : parse(values)) {
        mark == '#' ? fields.setSelectedIndex(control, std::stoi(value))
                    : fields.setText(control, value);
    }
}

// The same notation as a check.
inline void expectHolds(const Fields& fields, std::string_view values) {
    for (const auto& [control, mark, value] : parse(values)) {
        if (mark == '#') {
            EXPECT_EQ(fields.selectedIndex(control), std::stoi(value)) << control;
        } else {
            EXPECT_EQ(fields.text(control), value) << control;
        }
    }
}

// Controls as the main window holds them: every parameter combo box filled with its list, and,
// with `valid`, a value every check takes in each parameter field.
inline FieldStore windowFields(bool valid = false) {
    FieldStore fields;
    fillParameterCombos(fields);
    if (valid) {
        for (int n = 1; n <= kEditCount; ++n) {
            fields.setText(editName(n), "1");
        }
        for (const Parameter& p : parameterTable()) {
            if (p.isCombo()) {
                fields.setSelectedIndex(p.control, 0);
            }
        }
        fields.setText("ComboBox3", "20");
    }
    return fields;
}

// "16 52 18" -> {0x16, 0x52, 0x18}
inline Bytes hex(std::string_view text) {
    std::istringstream in{std::string(text)};
    Bytes bytes;
    for (unsigned b = 0; in >> std::hex >> b;) {
        bytes.push_back(static_cast<std::uint8_t>(b));
    }
    return bytes;
}

} // namespace morvent::test
