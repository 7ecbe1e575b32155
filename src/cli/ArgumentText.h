// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#pragma once

#include <QString>

#include <string>
#include <string_view>

namespace morvent {

// Command-line arguments are bytes, not text: a file or port name need not be valid UTF-8.
// These carry them through QString without loss. Valid UTF-8 is decoded as such; in anything
// else each byte beyond ASCII becomes one of the lone surrogates U+DC80..U+DCFF, which decoded
// text never holds and localBytes turns back into that byte.
QString argumentText(std::string_view bytes);

// The bytes of an argument, a name made of one, or any text around them: UTF-8, but for the
// bytes argumentText kept in lone surrogates.
std::string localBytes(const QString& text);

} // namespace morvent
