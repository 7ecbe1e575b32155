// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#include "IniDocument.h"

#include <algorithm>

namespace morvent {

namespace {

// What is trimmed around names and values. A CR counts, so that a last line ending in a lone CR
// reads the same once a line end is added after it.
constexpr std::string_view kBlanks = " \t\r";
// Editors on other systems like to start a text file with one; it is not part of the first name.
constexpr std::string_view kUtf8Bom = "\xEF\xBB\xBF";

std::string_view trim(std::string_view text) {
    const std::size_t first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
}

char lower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool sameName(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) {
        return false;
    }
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (lower(a[i]) != lower(b[i])) {
            return false;
        }
    }
    return true;
}

} // namespace

IniDocument::IniDocument(std::string_view text) {
    bool lineEndSeen = false;
    std::size_t pos = 0;
    while (pos < text.size()) {
        const std::size_t newline = text.find('\n', pos);
        std::string_view line;
        std::string_view end;
        if (newline == std::string_view::npos) {
            line = text.substr(pos);
            pos = text.size();
        } else {
            line = text.substr(pos, newline - pos);
            if (!line.empty() && line.back() == '\r') {
                line.remove_suffix(1);
                end = "\r\n";
            } else {
                end = "\n";
            }
            pos = newline + 1;
            if (!lineEndSeen) {
                m_lineEnd = end;
                lineEndSeen = true;
            }
        }
        m_lines.push_back(classify(std::string(line), std::string(end), m_lines.empty()));
    }
}

IniDocument::Line IniDocument::classify(std::string text, std::string end, bool first) {
    std::string_view body = text;
    if (first && body.starts_with(kUtf8Bom)) {
        body.remove_prefix(kUtf8Bom.size());
    }
    body = trim(body);

    Line line;
    if (body.empty()) {
        line.kind = Kind::Blank;
    } else if (body.front() == ';') {
        line.kind = Kind::Comment;
    } else if (body.front() == '[') {
        line.kind = Kind::Section;
        const std::string_view inside = body.substr(1);
        line.name = trim(inside.substr(0, inside.find(']')));
    } else if (const std::size_t equals = body.find('='); equals != std::string_view::npos) {
        line.kind = Kind::Entry;
        line.name = trim(body.substr(0, equals));
    } else {
        line.kind = Kind::Other;
    }
    line.text = std::move(text);
    line.end = std::move(end);
    return line;
}

std::size_t IniDocument::findSection(std::string_view section) const {
    const std::string_view wanted = trim(section);
    for (std::size_t i = 0; i < m_lines.size(); ++i) {
        if (m_lines[i].kind == Kind::Section && sameName(m_lines[i].name, wanted)) {
            return i;
        }
    }
    return npos;
}

std::size_t IniDocument::findKey(std::size_t header, std::string_view key) const {
    const std::string_view wanted = trim(key);
    for (std::size_t i = header + 1; i < m_lines.size() && m_lines[i].kind != Kind::Section; ++i) {
        if (m_lines[i].kind == Kind::Entry && sameName(m_lines[i].name, wanted)) {
            return i;
        }
    }
    return npos;
}

std::optional<std::string> IniDocument::value(std::string_view section,
                                              std::string_view key) const {
    const std::size_t header = findSection(section);
    if (header == npos) {
        return std::nullopt;
    }
    const std::size_t at = findKey(header, key);
    if (at == npos) {
        return std::nullopt;
    }
    const std::string_view text = m_lines[at].text;
    std::string_view v = trim(text.substr(text.find('=') + 1));
    if (v.size() >= 2 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front()) {
        v = v.substr(1, v.size() - 2);
    }
    return std::string(v);
}

std::size_t IniDocument::lineOf(std::string_view section) const {
    const std::size_t header = findSection(section);
    return header == npos ? 0 : header + 1;
}

std::size_t IniDocument::lineOf(std::string_view section, std::string_view key) const {
    const std::size_t header = findSection(section);
    const std::size_t at = header == npos ? npos : findKey(header, key);
    return at == npos ? 0 : at + 1;
}

void IniDocument::insertLine(std::size_t at, std::string text) {
    // The line before gains a line end if it was the last line and lacked one.
    if (at > 0 && m_lines[at - 1].end.empty()) {
        m_lines[at - 1].end = m_lineEnd;
    }
    m_lines.insert(m_lines.begin() + static_cast<std::ptrdiff_t>(at),
                   classify(std::move(text), m_lineEnd, at == 0));
}

void IniDocument::setValue(std::string_view section, std::string_view key, std::string_view value) {
    const std::size_t header = findSection(section);
    if (header == npos) {
        insertLine(m_lines.size(), "[" + std::string(section) + "]");
        insertLine(m_lines.size(), std::string(key) + "=" + std::string(value));
        return;
    }

    if (const std::size_t at = findKey(header, key); at != npos) {
        // Only the value changes: the key as the file spells it, and any blanks around the
        // equals sign, stay.
        std::string& text = m_lines[at].text;
        const std::size_t equals = text.find('=');
        const std::size_t valueStart =
            std::min(text.find_first_not_of(kBlanks, equals + 1), text.size());
        text.replace(valueStart, std::string::npos, value);
        return;
    }

    // After the section's last entry, so that blank lines and comments that part it from the
    // next section stay where they are.
    std::size_t last = header;
    for (std::size_t i = header + 1; i < m_lines.size() && m_lines[i].kind != Kind::Section; ++i) {
        if (m_lines[i].kind == Kind::Entry || m_lines[i].kind == Kind::Other) {
            last = i;
        }
    }
    insertLine(last + 1, std::string(key) + "=" + std::string(value));
}

std::string IniDocument::text() const {
    std::string all;
    for (const Line& line : m_lines) {
        all += line.text;
        all += line.end;
    }
    return all;
}

} // namespace morvent
