#include "TrafficDescription.h"

#include "Frames.h"

#include <gtest/gtest.h>

namespace morvent {
namespace {

TEST(TrafficDescription, Requests) {
    struct Case {
        Bytes frame;
        const char* words;
    };
    const Case cases[] = {
        {connectRequest(), "connect request"},
        {readRequest(Command::Basic), "Basic read request"},
        {readRequest(Command::ThrottleHandle), "Throttle Handle read request"},
        {readRequest(Command::FirmwareText), "firmware text request"},
        {readRequest(Command::LiveReadings), "live readings request"},
        {writeFrame(Command::PedalAssist, Bytes(11, 1)), "Pedal Assist write"},
        {Bytes{0x42, 0x00}, "unrecognised frame"},
        {Bytes{}, "unrecognised frame"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(describeRequest(c.frame), c.words) << hexBytes(c.frame);
    }
}

TEST(TrafficDescription, RepliesAsTheToolWillTakeThem) {
    struct Case {
        Bytes chunk;
        int awaiting;
        const char* words;
    };
    Bytes badBasic = readReply(Command::Basic, Bytes(24, 5));
    badBasic.back() ^= 0xFF;
    const Case cases[] = {
        {readReply(Command::Basic, Bytes(24, 5)), 1, "Basic reply"},
        {badBasic, 3, "Basic reply: checksum error"},
        {readReply(Command::Basic, Bytes(24, 5)), 0, "Basic reply, not awaited: ignored"},
        {writeAcknowledgement(Command::PedalAssist, 11), 2, "Pedal Assist write accepted"},
        {writeAcknowledgement(Command::PedalAssist, 3), 4,
         "Pedal Assist write refused at byte 3 (Edit23)"},
        {writeAcknowledgement(Command::PedalAssist, 30), 2,
         "Pedal Assist write: unknown status 30"},
        {Bytes{0x55, 0x47, 0x00}, 2, "Torque write: checksum error"},
        {Bytes{0x55, 0x47, 0x00}, 1, "Torque reply: cut short"},
        {Bytes{0x52, 0x00, 0x52}, 1, "Basic reply: wrong length"},
        {readReply(Command::LiveReadings, Bytes(9, 0)), 1, "live readings reply"},
        {readReply(Command::LiveReadings, Bytes(9, 0)), 2,
         "live readings reply, not awaited: ignored"},
        {readReply(Command::FirmwareText, Bytes{'A'}), 0, "firmware text reply"},
        {Bytes{0x51, 0x10}, 0, "identity reply: cut short"},
        {Bytes{0x11, 0x52}, 1, "unrecognised chunk"},
        {Bytes{}, 1, "unrecognised chunk"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(describeReply(c.chunk, c.awaiting), c.words) << hexBytes(c.chunk);
    }
}

TEST(TrafficDescription, HexBytes) {
    EXPECT_EQ(hexBytes(Bytes{0x11, 0x52}), "11 52");
    EXPECT_EQ(hexBytes(Bytes{0x00, 0xAB, 0xFF}), "00 AB FF");
    EXPECT_EQ(hexBytes(Bytes{}), "");
}

} // namespace
} // namespace morvent
