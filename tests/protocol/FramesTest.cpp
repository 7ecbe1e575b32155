// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#include "Frames.h"
#include "TestFields.h"
#include "TrafficDescription.h"

#include <gtest/gtest.h>

namespace morvent {
namespace {

using test::hex;

const Bytes kIdentity = hex("51 10 4B 4C 4D 4E 50 51 52 53 31 30 31 32 33 34 02 19 1F");

TEST(Frames, AreByteForByteTheControllersOwn) {
    EXPECT_EQ(readRequest(Command::Basic), hex("11 52"));
    EXPECT_EQ(readRequest(Command::LiveReadings), hex("11 56"));
    EXPECT_EQ(connectRequest(), hex("11 51 25 80 F6"));
    EXPECT_EQ(writeAcknowledgement(Command::Basic, 0x18), hex("52 18 6A"));
    EXPECT_EQ(readReply(Command::Identity, Bytes(kIdentity.begin() + 2, kIdentity.end() - 1)),
              kIdentity);
    // The low byte of the plain sum, no seed, no complement.
    EXPECT_EQ(std::tuple(checksum(Bytes(3, 0xFF)), checksum(Bytes{})), std::tuple(0xFD, 0x00));
    // Positions beyond what arrived read as 0, whatever lies behind them.
    const Bytes arrived = hex("52 02 77");
    EXPECT_EQ(replyByte(std::span(arrived).first(2), 2), 0);
}

// How the tool takes what one receive event delivered, in the traffic log's words: whether it
// awaits it, and whether its code, length, bytes and checksum make it a whole reply.
struct Chunk {
    const char* bytes;
    int awaiting; // 0 nothing, 1 a read, 2 a write, 3 and 4 the flash chains, 5 a comparison
    const char* words;
};

class ReceivedChunk : public testing::TestWithParam<Chunk> {};

TEST_P(ReceivedChunk, IsTakenAsTheLogSays) {
    EXPECT_EQ(
        describeReply(hex(GetParam().bytes), static_cast<PendingRequestKind>(GetParam().awaiting)),
        GetParam().words)
        << GetParam().bytes;
}

INSTANTIATE_TEST_SUITE_P(
    Replies, ReceivedChunk,
    testing::Values(
        Chunk{"54 06 0B 2A 00 03 FF 14 A5", 1, "Throttle Handle reply"},
        Chunk{"54 06 0B 2A 00 03 FF 14 A6", 3, "Throttle Handle reply: checksum error"},
        Chunk{"54 06 0B 2A 00 03 FF 14", 1, "Throttle Handle reply: cut short"},
        Chunk{"54", 1, "Throttle Handle reply: cut short"},
        Chunk{"54 07", 1, "Throttle Handle reply: wrong length"},
        // A length byte that only placed the checksum would take this for a block of zeros.
        Chunk{"54 00 54", 1, "Throttle Handle reply: wrong length"},
        Chunk{"54 07 0B 2A 00 03 FF 14 A5 00 00", 5, "Throttle Handle reply: wrong length"},
        Chunk{"54 06 0B 2A 00 03 FF 14 A5", 0, "Throttle Handle reply, not awaited: ignored"},
        Chunk{"51 10 4B 4C 4D 4E 50 51 52 53 31 30 31 32 33 34 02 19 1F", 0, "identity reply"},
        // Some controllers send the identity's checksum 14 below the sum.
        Chunk{"51 10 4B 4C 4D 4E 50 51 52 53 31 30 31 32 33 34 02 19 11", 0, "identity reply"},
        Chunk{"51 10 4B 4C 4D 4E 50 51 52 53 31 30 31 32 33 34 02 19 1E", 0,
              "identity reply: checksum error"},
        Chunk{"51 10", 0, "identity reply: cut short"}, Chunk{"50 00 50", 0, "firmware text reply"},
        Chunk{"50 02 41 42 D5", 0, "firmware text reply"},
        Chunk{"50 02 41 42 00", 0, "firmware text reply: checksum error"},
        Chunk{"56 09 00 00 00 00 00 00 00 00 00 5F", 1, "live readings reply"},
        Chunk{"56 09 00 00 00 00 00 00 00 00 00 5F", 2,
              "live readings reply, not awaited: ignored"},
        // The block's length means accepted; a status below it names the byte refused.
        Chunk{"53 0B 5E", 2, "Pedal Assist write accepted"},
        Chunk{"55 46 9B", 2, "Torque write refused at byte 70 (Edit91)"},
        Chunk{"53 FF 52", 4, "Pedal Assist write: unknown status 255"},
        Chunk{"53 03 56", 4, "Pedal Assist write refused at byte 3 (Edit23)"},
        Chunk{"53 1E 71", 2, "Pedal Assist write: unknown status 30"},
        Chunk{"55 48 9D", 2, "Torque write: unknown status 72"},
        Chunk{"55 47 00", 2, "Torque write: checksum error"},
        Chunk{"55 47", 4, "Torque write: cut short"},
        Chunk{"55 47 9C", 1, "Torque reply: cut short"}, Chunk{"11 52", 1, "unrecognised chunk"},
        Chunk{"", 1, "unrecognised chunk"}));

TEST(ReceivedChunk, OfAnotherCommandIsNoReplyToThisOne) {
    EXPECT_EQ(readReplyFlaw(Command::PedalAssist, hex("54 06 0B 2A 00 03 FF 14 A5")),
              ReplyFlaw::WrongCode);
    EXPECT_EQ(readReplyFlaw(Command::PedalAssist, Bytes{}), ReplyFlaw::WrongCode);
    EXPECT_EQ(acknowledgementFlaw(Command::PedalAssist, hex("52 18 6A")), ReplyFlaw::WrongCode);
    EXPECT_EQ(acknowledgementFlaw(Command::PedalAssist, Bytes{}), ReplyFlaw::WrongCode);
    // Nor is it whole, whatever its length.
    EXPECT_FALSE(readReplyComplete(
        Command::PedalAssist,
        readReply(Command::ThrottleHandle, Bytes(*replyPayloadLength(Command::PedalAssist), 0))));
}

TEST(SentFrame, IsNamedInTheLog) {
    const std::pair<Bytes, const char*> frames[] = {
        {connectRequest(), "connect request"},
        {hex("11 52"), "Basic read request"},
        {hex("11 54"), "Throttle Handle read request"},
        {hex("11 50"), "firmware text request"},
        {hex("11 56"), "live readings request"},
        {hex("11 51"), "unrecognised frame"},
        {hex("16 53 01 00 54"), "Pedal Assist write"},
        {hex("16 56 00 56"), "unrecognised frame"},
        {hex("42 00"), "unrecognised frame"},
        {hex("11"), "unrecognised frame"},
        {hex(""), "unrecognised frame"},
    };
    for (const auto& [frame, words] : frames) {
        EXPECT_EQ(describeRequest(frame), words) << hexBytes(frame);
    }
    EXPECT_EQ(hexBytes(hex("00 AB FF")), "00 AB FF");
}

} // namespace
} // namespace morvent
