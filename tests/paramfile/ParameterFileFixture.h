// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#pragma once

#include "FieldStore.h"
#include "ParameterFile.h"
#include "ParameterTable.h"
#include "ReplacedFiles.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace morvent::test {

// Names are UTF-8 in the program, as the bytes they are on POSIX; the C++ library reads a plain
// string as the ANSI code page on Windows.
inline std::filesystem::path fsPath(const std::string& name) {
    return std::u8string(name.begin(), name.end());
}

inline std::string utf8Of(const std::filesystem::path& path) {
    const std::u8string name = path.u8string();
    return {name.begin(), name.end()};
}

inline std::string readText(const std::string& file) {
    std::ifstream in(fsPath(file), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

inline void writeText(const std::string& file, const std::string& text) {
    std::ofstream(fsPath(file), std::ios::binary) << text;
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
    for (const auto& entry :
         std::filesystem::recursive_directory_iterator(fsPath(pathIn(dir, "")))) {
        all[utf8Of(entry.path())] = entry.is_regular_file() ? readText(utf8Of(entry.path())) : "/";
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

// What a save of the set (or the seed's) writes where there was no file.
inline std::string savedText(const FieldStore& fields) {
    const QTemporaryDir scratch;
    SaveParameterFile(fields, pathIn(scratch, "x.el"), scratchReplaced());
    return readText(pathIn(scratch, "x.el"));
}

// Why a save of the set was refused; empty when it saved.
inline std::string saveRefusal(const FieldStore& fields, const std::string& file,
                               const ReplacedFiles& replaced = scratchReplaced()) {
    try {
        SaveParameterFile(fields, file, replaced);
        return {};
    } catch (const std::exception& refused) {
        return refused.what();
    }
}

// The names in a folder; none for a folder that is not there.
inline std::set<std::string> namesIn(const std::string& folder) {
    std::set<std::string> names;
    std::error_code none;
    for (const auto& entry : std::filesystem::directory_iterator(fsPath(folder), none)) {
        names.insert(utf8Of(entry.path().filename()));
    }
    return names;
}

class ParameterFileTest : public testing::Test {
protected:
    std::string path(const std::string& name) const { return pathIn(dir, name); }
    std::vector<std::string> loaded(const std::string& name) const {
        FieldStore fields = distinctSet(5);
        LoadParameterFile(fields, path(name));
        return snapshot(fields);
    }
    QTemporaryDir dir;
};

// Rows of the shared tables that differ by system (posix/ and win32/SystemFileTest.cpp).

// Files made in the test's folder that a save refuses and leaves as they are, each with the
// message it gets.
struct RefusedSave {
    std::string file;
    std::string message;
};
std::vector<RefusedSave> systemRefusedSaves(const QTemporaryDir& dir);

// A name beyond ASCII that a save and its replaced copy keep byte for byte.
std::string unusualName();

} // namespace morvent::test
