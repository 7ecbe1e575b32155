#include "NumberConversion.h"

#include <gtest/gtest.h>

#include <limits>

namespace morvent {
namespace {

struct Accepted {
    const char* text;
    std::int32_t value;
};

class NumberConversionAccepts : public testing::TestWithParam<Accepted> {};

TEST_P(NumberConversionAccepts, Value) {
    EXPECT_EQ(toInteger(GetParam().text), GetParam().value) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(
    Forms, NumberConversionAccepts,
    testing::Values(Accepted{"0", 0}, Accepted{"42", 42}, Accepted{"007", 7}, Accepted{"   12", 12},
                    Accepted{"+5", 5}, Accepted{"-5", -5}, Accepted{" -300", -300},
                    Accepted{"$1F", 31}, Accepted{"x1f", 31}, Accepted{"X10", 16},
                    Accepted{"0x10", 16}, Accepted{"0XfF", 255}, Accepted{"-$10", -16},
                    Accepted{"2147483647", 2147483647},
                    Accepted{"-2147483648", std::numeric_limits<std::int32_t>::min()},
                    Accepted{"$FFFFFFFF", -1},
                    Accepted{"0x80000000", std::numeric_limits<std::int32_t>::min()},
                    Accepted{"$000000000001", 1}));

class NumberConversionRefuses : public testing::TestWithParam<const char*> {};

TEST_P(NumberConversionRefuses, WithTheFieldTextInTheMessage) {
    const std::string text = GetParam();
    try {
        toInteger(text);
        FAIL() << "accepted '" << text << "'";
    } catch (const ConversionError& e) {
        EXPECT_EQ(std::string(e.what()), "'" + text + "' is not a valid integer value");
    }
}

INSTANTIATE_TEST_SUITE_P(Forms, NumberConversionRefuses,
                         testing::Values("", " ", "12 ", "1 2", "+", "-", "+-1", "--1", "$", "0x",
                                         "x", "1.5", "12a", "0x1G", "$-1", "- 1", "2147483648",
                                         "-2147483649", "99999999999999999999", "$100000000", "\t1",
                                         "1e3"));

} // namespace
} // namespace morvent
