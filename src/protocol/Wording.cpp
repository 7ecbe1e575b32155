// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#include "Wording.h"

namespace morvent {

namespace {

template <typename Parts> std::string filled(std::string_view wording, const Parts& arguments) {
    std::string text;
    for (std::size_t i = 0; i < wording.size(); ++i) {
        const char c = wording[i];
        if (c == '%' && i + 1 < wording.size() && wording[i + 1] >= '1' &&
            static_cast<std::size_t>(wording[i + 1] - '1') < arguments.size()) {
            text += *(arguments.begin() + (wording[i + 1] - '1'));
            ++i;
        } else {
            text += c;
        }
    }
    return text;
}

// "Start Current(%): " named in a sentence: "Start Current(%)"; a language's own colon and the
// blank before it (French " :", Chinese "：") go too.
std::string withoutColon(std::string text) {
    for (const std::string_view end : {" ", ":", "\xC2\xA0", "\xEF\xBC\x9A"}) {
        if (text.ends_with(end)) {
            text.erase(text.size() - end.size());
            return withoutColon(std::move(text));
        }
    }
    return text;
}

} // namespace

std::string fill(std::string_view wording, std::initializer_list<std::string_view> arguments) {
    return filled(wording, arguments);
}

WordedText WordedText::literal(std::string text) {
    WordedText w;
    w.m_text = std::move(text);
    return w;
}

WordedText WordedText::joined(std::string pattern, std::vector<WordedText> arguments) {
    WordedText w(std::move(pattern), std::move(arguments));
    w.m_kind = Kind::Joined;
    return w;
}

WordedText WordedText::caption(WordedText caption) {
    WordedText w(std::string(), {std::move(caption)});
    w.m_kind = Kind::Caption;
    return w;
}

std::string WordedText::english() const {
    return shown([](std::string_view text) { return std::string(text); });
}

std::string WordedText::shown(const std::function<std::string(std::string_view)>& translate) const {
    if (m_kind == Kind::Literal) {
        return m_text;
    }
    if (m_kind == Kind::Caption) {
        return withoutColon(m_arguments.front().shown(translate));
    }
    const std::string text =
        m_kind == Kind::Translated && !m_text.empty() ? translate(m_text) : m_text;
    if (m_arguments.empty()) {
        return text;
    }
    std::vector<std::string> parts;
    parts.reserve(m_arguments.size());
    for (const WordedText& argument : m_arguments) {
        parts.push_back(argument.shown(translate));
    }
    return filled(text, parts);
}

} // namespace morvent
