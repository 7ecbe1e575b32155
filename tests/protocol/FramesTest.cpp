#include "Frames.h"

#include <gtest/gtest.h>

namespace morvent {
namespace {

TEST(Frames, ReadRequestIsLeadAndCode) {
    EXPECT_EQ(readRequest(Command::Basic), (Bytes{0x11, 0x52}));
    EXPECT_EQ(readRequest(Command::LiveReadings), (Bytes{0x11, 0x56}));
}

TEST(Frames, ConnectRequestIsFixed) {
    EXPECT_EQ(connectRequest(), (Bytes{0x11, 0x51, 0x25, 0x80, 0xF6}));
}

TEST(Frames, ChecksumIsTheLowByteOfThePlainSum) {
    const Bytes wraps{0x51, 0x25, 0x80};
    EXPECT_EQ(checksum(wraps), 0xF6);
    EXPECT_EQ(checksum(Bytes{}), 0x00);
    EXPECT_EQ(checksum(Bytes(3, 0xFF)), 0xFD); // 0x2FD
}

TEST(Frames, BasicWriteOfZeroesAndItsAcknowledgement) {
    const Bytes payload(kBasicLength, 0);
    Bytes expected{0x16, 0x52, 0x18};
    expected.insert(expected.end(), kBasicLength, 0);
    expected.push_back(0x6A);
    EXPECT_EQ(writeFrame(Command::Basic, payload), expected);
    EXPECT_EQ(writeAcknowledgement(Command::Basic, 0x18), (Bytes{0x52, 0x18, 0x6A}));
}

TEST(Frames, ReadReplyChecksumCoversCodeLengthAndPayload) {
    const Bytes payload{0x4B, 0x4C, 0x4D, 0x4E, 0x50, 0x51, 0x52, 0x53,
                        0x31, 0x30, 0x31, 0x32, 0x33, 0x34, 0x02, 0x19};
    Bytes expected{0x51, 0x10};
    expected.insert(expected.end(), payload.begin(), payload.end());
    expected.push_back(0x1F);
    EXPECT_EQ(readReply(Command::Identity, payload), expected);
}

struct ReplyCheck {
    const char* name;
    Bytes reply;
    bool readReply;
    bool acknowledgement;
};

class FramesReplyChecksum : public testing::TestWithParam<ReplyCheck> {};

TEST_P(FramesReplyChecksum, Verdict) {
    EXPECT_EQ(readReplyChecksumValid(GetParam().reply), GetParam().readReply);
    EXPECT_EQ(acknowledgementChecksumValid(GetParam().reply), GetParam().acknowledgement);
}

// An acknowledgement taken for a read reply places the checksum by its status byte and finds 0
// there; a reply cut short reads the missing bytes as 0.
INSTANTIATE_TEST_SUITE_P(
    Replies, FramesReplyChecksum,
    testing::Values(ReplyCheck{"PedalAssistAccepted", {0x53, 0x0B, 0x5E}, false, true},
                    ReplyCheck{"TorqueStatus72", {0x55, 0x48, 0x9D}, false, true},
                    ReplyCheck{"WrongAcknowledgement", {0x52, 0x18, 0x6B}, false, false},
                    ReplyCheck{"EmptyPayload", {0x50, 0x00, 0x50}, true, true},
                    ReplyCheck{"ThrottleRead",
                               {0x54, 0x06, 0x0B, 0x2A, 0x00, 0x03, 0xFF, 0x14, 0xA5},
                               true,
                               false},
                    ReplyCheck{"ThrottleReadCut", {0x54, 0x06, 0x0B, 0x2A, 0x00}, false, false},
                    ReplyCheck{"Nothing", {}, true, true}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace morvent
