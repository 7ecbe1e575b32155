#pragma once

#include "Fields.h"
#include "ParameterTable.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <stdexcept>
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

// A directory of its own for each test, removed with everything in it afterwards.
class TempDir {
public:
    TempDir() {
        std::string pattern = std::filesystem::temp_directory_path() / "morvent-paramfile-XXXXXX";
        m_root = ::mkdtemp(pattern.data()) ? pattern : throw std::runtime_error("mkdtemp failed");
    }
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    ~TempDir() {
        std::error_code ignored;
        std::filesystem::remove_all(m_root, ignored);
    }

    const std::string& root() const { return m_root; }
    std::string path(const std::string& name) const { return m_root + "/" + name; }

    // Every entry below the directory with its content, so a test sees a file changed, created
    // or left behind.
    std::map<std::string, std::string> contents() const {
        std::map<std::string, std::string> all;
        for (const auto& entry : std::filesystem::recursive_directory_iterator(m_root)) {
            all[entry.path().string()] = entry.is_regular_file() ? readText(entry.path()) : "/";
        }
        return all;
    }

private:
    std::string m_root;
};

// Gives every parameter control a value of its own: row n's number is seed * 1000 + n, every
// tenth one negative; the lists take positions that differ from their neighbours', and
// ComboBox7 has nothing selected. The lists must be filled already.
inline void fillWithDistinctValues(Fields& fields, int seed) {
    int n = 0;
    for (const ParameterRow& row : parameterRows()) {
        ++n;
        if (row.kind == ParameterKind::Number) {
            const int value = seed * 1000 + n;
            fields.setText(row.control, std::to_string(n % 10 == 7 ? -value : value));
        } else if (row.control == "ComboBox7") {
            fields.setSelectedIndex(row.control, -1);
        } else {
            fields.setSelectedIndex(row.control, (n + seed) % fields.itemCount(row.control));
        }
    }
}

// What a file can carry of each control: a text, or a list's selected index.
inline std::vector<std::string> snapshot(const Fields& fields) {
    std::vector<std::string> values;
    for (const ParameterRow& row : parameterRows()) {
        values.push_back(row.control +
                         (row.kind == ParameterKind::Number
                              ? "=" + fields.text(row.control)
                              : "#" + std::to_string(fields.selectedIndex(row.control))));
    }
    return values;
}

} // namespace morvent::test
