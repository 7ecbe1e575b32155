// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#pragma once

#include <initializer_list>
#include <span>
#include <string>
#include <string_view>

// The protocol layer speaks English: the command-line tool prints its texts as they are, for
// scripts. The window shows them translated; the texts it may show are marked where they are
// written, so the catalogues hold them, and a text built from parts is built from a template
// (with %1, %2 ...) that the window can recognise and translate as a whole.
#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(scope, text) text
#endif

namespace morvent {

// The translation context of every protocol text.
inline constexpr const char* kProtocolContext = "Protocol";

// The template with %1, %2 ... replaced by the arguments in turn.
std::string fill(std::string_view wording, std::initializer_list<std::string_view> arguments);

// Every template the protocol builds texts from, the most specific first.
std::span<const char* const> wordingTemplates();

} // namespace morvent
