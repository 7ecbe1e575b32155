// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#pragma once

#include "Wording.h"

#include <cstdint>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace morvent {

// Raised when a field's text is not a whole number; the message names the text as it stood.
class ConversionError : public WordedError {
public:
    explicit ConversionError(std::string_view text);
};

// The one rule by which every field's text becomes a number, wherever a frame is built, a range
// is tested or a parameter file is read: leading blanks are skipped, then one optional sign, then
// decimal digits, or hexadecimal digits after "$", "x", "X", "0x" or "0X". Nothing may follow the
// digits, not even a blank. Decimal values must fit a signed 32-bit integer; hexadecimal ones may
// use all 32 bits and are taken as the two's-complement pattern ("$FFFFFFFF" is -1).
std::optional<std::int32_t> parseInteger(std::string_view text);

// parseInteger, raising ConversionError where it finds no number.
std::int32_t toInteger(std::string_view text);

} // namespace morvent
