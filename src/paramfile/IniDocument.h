// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace morvent {

// An INI text held as its lines, read and edited the way the platform's profile functions treat
// a file: names of sections and keys are compared without regard to ASCII case and without the
// blanks around them, the first section of a name and the first key of a name within it count,
// and an edit touches only the line it concerns. Every other line, its line end included, stays
// byte for byte, so a file written by hand or by another tool keeps its comments, blank lines,
// foreign sections and keys, and its own line ends.
//
// Lines are ended by LF or CR LF; lines added take the line end of the text's first line, or
// CR LF for a text that has none yet. The bytes are taken as they are: the names this tool
// looks for are ASCII.
class IniDocument {
public:
    IniDocument() = default;
    explicit IniDocument(std::string_view text);

    // The value of the key, without the blanks around it and without one pair of enclosing
    // quotes; nullopt when the section or the key is missing.
    std::optional<std::string> value(std::string_view section, std::string_view key) const;

    // The line, counted from 1, of the section's header, or of the key's entry that value()
    // reads; 0 when there is none.
    std::size_t lineOf(std::string_view section) const;
    std::size_t lineOf(std::string_view section, std::string_view key) const;

    // Replaces the value of the key's line, keeping everything up to it; a missing key is added
    // after the last entry of its section, a missing section at the end of the text.
    void setValue(std::string_view section, std::string_view key, std::string_view value);

    // The whole text as it would be written back.
    std::string text() const;

    // "\r\n" or "\n": what lines added to this text end with.
    const std::string& lineEnd() const { return m_lineEnd; }

private:
    // An entry holds an equals sign; any other text line is kept as an entry of no name.
    enum class Kind { Blank, Comment, Section, Entry, Other };
    static constexpr std::size_t npos = static_cast<std::size_t>(-1);

    struct Line {
        std::string text; // without its line end
        std::string end;  // "\r\n", "\n", or empty on a last line that has none
        Kind kind = Kind::Blank;
        std::string name; // the section's or the key's name, trimmed
    };

    static Line classify(std::string text, std::string end, bool first);
    // The index of the first header of the section, or npos.
    std::size_t findSection(std::string_view section) const;
    // The index of the key's first line in the section that starts at header, or npos.
    std::size_t findKey(std::size_t header, std::string_view key) const;
    void insertLine(std::size_t at, std::string text);

    std::vector<Line> m_lines;
    std::string m_lineEnd = "\r\n";
};

} // namespace morvent
