// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#pragma once

#include <string>
#include <string_view>

namespace morvent {

// Names and texts are UTF-8 inside the program; Windows' own calls (the *W ones) take UTF-16.

// The UTF-16 of a name. Bytes that are not UTF-8 are read in the ANSI code page: that is what a
// name made by Qt's local 8-bit encoding (QFile::encodeName) is on Windows, and no such name of
// a real file is also valid UTF-8 of another one in practice.
std::wstring wideText(std::string_view text);

// The UTF-8 of a name Windows gave.
std::string utf8Text(std::wstring_view text);

} // namespace morvent
