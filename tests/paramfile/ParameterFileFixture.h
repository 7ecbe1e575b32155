// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#pragma once

#include "FieldStore.h"
#include "ParameterTable.h"
#include "ReplacedFiles.h"

#include <QTemporaryDir>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <string>
#include <vector>

namespace morvent::test {

inline std::string readText(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void writeText(const std::string& file, const std::string& text) {
    std::ofstream(file, std::ios::binary) << text;
}

inline std::string pathIn(const QTemporaryDir& dir, const std::string& name) {
    return dir.filePath(QString::fromStdString(name)).toStdString();
}

// Where the saves of a test that does not look at them keep what they replace.
inline const ReplacedFiles& scratchReplaced() {
    static const QTemporaryDir folder;
    static const ReplacedFiles replaced(pathIn(folder, "replaced"));
    return replaced;
}

// Every entry below the folder with its content: what a test sees changed, created or left.
inline std::map<std::string, std::string> contents(const QTemporaryDir& dir) {
    std::map<std::string, std::string> all;
    for (const auto& entry : std::filesystem::recursive_directory_iterator(pathIn(dir, ""))) {
        all[entry.path()] = entry.is_regular_file() ? readText(entry.path()) : "/";
    }
    return all;
}

// The parameter controls as the window holds them, each with a value of its own so that one
// that lands in the wrong control shows: row n's number is seed * 1000 + n, every tenth one
// negative; the lists take positions that differ from their neighbours', and ComboBox7 has
// nothing selected.
inline FieldStore distinctSet(int seed) {
    FieldStore fields;
    fillParameterCombos(fields);
    int n = 0;
    for (const Parameter& row : parameterTable()) {
        const int value = seed * 1000 + ++n;
        if (row.kind == ParameterKind::Number) {
            fields.setText(row.control, std::to_string(n % 10 == 7 ? -value : value));
        } else {
            fields.setSelectedIndex(row.control, row.control == "ComboBox7"
                                                     ? -1
                                                     : (n + seed) % fields.itemCount(row.control));
        }
    }
    return fields;
}

// What a file can carry of each control: a text, or a list's selected index.
inline std::vector<std::string> snapshot(const Fields& fields) {
    std::vector<std::string> values;
    for (const Parameter& row : parameterTable()) {
        values.push_back(row.control +
                         (row.kind == ParameterKind::Number
                              ? "=" + fields.text(row.control)
                              : "#" + std::to_string(fields.selectedIndex(row.control))));
    }
    return values;
}

} // namespace morvent::test
