// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#pragma once

#include <functional>
#include <initializer_list>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// The protocol layer speaks English: the command-line tool prints its texts as they are, for
// scripts. The window shows them translated; the texts it may show are marked where they are
// written, so the catalogues hold them, and a text built from parts keeps its template (with %1,
// %2 ...) and its parts apart, so the window translates the template as a whole and shows each
// part as what it is: a path, a file's key or section, a number stays as it is.
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, text) text
#endif

namespace morvent {

// The translation context of every protocol text.
inline constexpr const char* kProtocolContext = "Protocol";

// The template with %1, %2 ... replaced by the arguments in turn.
std::string fill(std::string_view wording, std::initializer_list<std::string_view> arguments);

// A text as it was made: a catalogue's text and the parts put into its %1, %2 ...
class WordedText {
    enum class Kind {
        Translated, // the text is the catalogue's (a template where it has arguments)
        Literal,    // shown as it stands: a path, a key, a number, the controller's own words
        Joined,     // a pattern of no words of its own ("%1\n%2"), its arguments filled in
        Caption,    // a field's caption translated, named inside a sentence without its colon
    };

public:
    WordedText() : m_kind(Kind::Literal) {}
    explicit WordedText(std::string text, std::vector<WordedText> arguments = {})
        : m_kind(Kind::Translated), m_text(std::move(text)), m_arguments(std::move(arguments)) {}

    static WordedText literal(std::string text);
    static WordedText joined(std::string pattern, std::vector<WordedText> arguments);
    static WordedText caption(WordedText caption);

    // As the command-line tool and the English window show it.
    std::string english() const;
    // Shown through a translation of the catalogue's texts: each translated text (the template
    // and each worded part) goes through `translate`, literal parts stay as they are.
    std::string shown(const std::function<std::string(std::string_view)>& translate) const;

    bool empty() const { return m_text.empty() && m_arguments.empty(); }

private:
    Kind m_kind;
    std::string m_text;
    std::vector<WordedText> m_arguments;
};

// An error whose message the window can show translated: what() is its English.
class WordedError : public std::runtime_error {
public:
    explicit WordedError(WordedText wording)
        : std::runtime_error(wording.english()), m_wording(std::move(wording)) {}
    const WordedText& wording() const { return m_wording; }

private:
    WordedText m_wording;
};

} // namespace morvent
