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

} // namespace
} // namespace morvent
