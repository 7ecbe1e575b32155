// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#include "NumberConversion.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <limits>

namespace morvent {
namespace {

// Leading blanks, one sign, then decimal digits or, after "$", "x", "X", "0x" or "0X",
// hexadecimal ones of either case: 32 bits, the hexadecimal ones unsigned.
class NumberConversionAccepts : public testing::TestWithParam<std::pair<const char*, int>> {};

TEST_P(NumberConversionAccepts, Value) {
    EXPECT_EQ(toInteger(GetParam().first), GetParam().second) << GetParam().first;
}

INSTANTIATE_TEST_SUITE_P(
    Texts, NumberConversionAccepts,
    testing::Values(std::pair{"0", 0}, std::pair{"1990", 1990}, std::pair{"007", 7},
                    std::pair{"   12", 12}, std::pair{"+5", 5}, std::pair{" -300", -300},
                    std::pair{"2147483647", 2147483647},
                    std::pair{"-2147483648", std::numeric_limits<int>::min()}, std::pair{"$1F", 31},
                    std::pair{"x1f", 31}, std::pair{"X10", 16}, std::pair{"0x10", 16},
                    std::pair{"0XfF", 255}, std::pair{"$aA", 170}, std::pair{"$90", 144},
                    std::pair{"-$10", -16}, std::pair{"$FFFFFFFF", -1},
                    std::pair{"0x80000000", std::numeric_limits<int>::min()},
                    std::pair{"$000000000001", 1}));

class NumberConversionRefuses : public testing::TestWithParam<const char*> {};

TEST_P(NumberConversionRefuses, NamingTheText) {
    const std::string text = GetParam();
    EXPECT_THAT([&] { toInteger(text); }, testing::ThrowsMessage<ConversionError>(
                                              "'" + text + "' is not a valid integer value"));
}

// Characters just outside each digit range, signs and blanks out of place, and values beyond
// 32 bits.
INSTANTIATE_TEST_SUITE_P(Texts, NumberConversionRefuses,
                         testing::Values("", " ", "12 ", "1 2", "+", "-", "+-1", "- 1", "\t1", "$",
                                         "0x", "x", "$-1", "1.5", "12a", "/", ":", "$/", "$:", "$@",
                                         "$G", "$`", "0x1g", "2147483648", "-2147483649",
                                         "99999999999999999999", "$100000000"));

} // namespace
} // namespace morvent
