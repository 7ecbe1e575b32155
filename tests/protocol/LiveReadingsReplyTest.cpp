#include "LiveReadingsReply.h"
#include "TestFields.h"

#include <gtest/gtest.h>

namespace morvent {
namespace {

struct Reading {
    const char* name;
    const char* reply;
    std::array<const char*, 5> values;
};

class LiveReadingsReply : public testing::TestWithParam<Reading> {};

TEST_P(LiveReadingsReply, FillsTheFiveFields) {
    const Bytes reply = test::hex(GetParam().reply);
    ASSERT_TRUE(readReplyChecksumValid(reply));
    FieldStore fields;
    applyLiveReadings(reply, fields);
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(fields.text("Edit" + std::to_string(92 + i)), GetParam().values[i]) << i;
    }
}

INSTANTIATE_TEST_SUITE_P(Examples, LiveReadingsReply,
                         testing::Values(Reading{"Zero",
                                                 "56 09 00 00 00 00 00 00 00 00 00 5F",
                                                 {"0", "0", "0", "0", "0"}},
                                         Reading{"Values",
                                                 "56 09 01 2C 01 00 64 00 C8 03 E8 A4",
                                                 {"300", "1", "100", "200", "1000"}},
                                         Reading{"Widest",
                                                 "56 09 FF FF FF FF FF FF FF FF FF 56",
                                                 {"65535", "255", "65535", "65535", "65535"}}),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace morvent
