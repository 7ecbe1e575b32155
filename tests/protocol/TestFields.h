#pragma once

#include "ComboItems.h"
#include "FieldStore.h"
#include "Frames.h"

#include <sstream>
#include <string>
#include <string_view>
#include <vector>

namespace morvent::test {

// A control's value: a text, or, for a combo box used by its index, the selected index.
struct Value {
    std::string control;
    std::string text;
    int index = kTextOnly;

    static constexpr int kTextOnly = -2;
};

// Controls as the main window holds them: every parameter combo box filled with its list.
inline FieldStore windowFields() {
    FieldStore fields;
    fillParameterCombos(fields);
    return fields;
}

// The window's controls with a valid value in every parameter field.
inline FieldStore validFields() {
    FieldStore fields = windowFields();
    fields.setText("edit2", "1");
    for (int n = 1; n <= 96; ++n) {
        if (n != 2) {
            fields.setText("Edit" + std::to_string(n), "1");
        }
    }
    fields.setText("ComboBox3", "20");
    for (const std::string_view combo : kParameterCombos) {
        if (combo != "ComboBox3") {
            fields.setSelectedIndex(combo, 0);
        }
    }
    return fields;
}

inline void set(Fields& fields, const std::vector<Value>& values) {
    for (const Value& v : values) {
        if (v.index == Value::kTextOnly) {
            fields.setText(v.control, v.text);
        } else {
            fields.setSelectedIndex(v.control, v.index);
        }
    }
}

// "Edit1=25 ComboBox5#1": texts after "=", selected indices after "#".
inline std::vector<Value> values(std::string_view fieldSpec) {
    std::istringstream in{std::string(fieldSpec)};
    std::vector<Value> result;
    std::string token;
    while (in >> token) {
        if (const auto hash = token.find('#'); hash != std::string::npos) {
            result.push_back({token.substr(0, hash), "", std::stoi(token.substr(hash + 1))});
        } else {
            const auto equals = token.find('=');
            result.push_back({token.substr(0, equals), token.substr(equals + 1)});
        }
    }
    return result;
}

// "16 52 18" -> {0x16, 0x52, 0x18}
inline Bytes hex(std::string_view text) {
    std::istringstream in{std::string(text)};
    Bytes bytes;
    unsigned b = 0;
    while (in >> std::hex >> b) {
        bytes.push_back(static_cast<std::uint8_t>(b));
    }
    return bytes;
}

} // namespace morvent::test
