// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#include "RequestCycle.h"
#include "Frames.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace morvent {
namespace {

// Carries the cycle's steps out by writing them down, each with what was awaited as it came, so
// that a chain's order, its stop and PendingRequest at every step read as one line.
class Trace : public RequestCycle::Hands {
public:
    std::string text;
    bool sends = true;
    std::set<Block> refusedInChain;
    const RequestCycle* cycle = nullptr;

    bool send(const Bytes& frame, const Awaited& awaiting) override {
        add((frame[0] == kRequestLead ? "read " : "write ") + std::to_string(frame[1] - 0x50) +
            (sends ? "" : " failed"));
        EXPECT_EQ(awaiting.kind, cycle->PendingRequest());
        return sends;
    }
    std::optional<ChainRefusal> prepareWrite(Block block, bool chain) override {
        if (chain && refusedInChain.contains(block)) {
            return ChainRefusal{Refusal{"too high", "Edit1", 0}, false};
        }
        return std::nullopt;
    }
    WriteFrame writeFrame(Block block) override {
        return {Bytes{0x16, code(layout(block).command)}, {}};
    }
    void carryOut(const Step& step) override {
        static const char* const names[] = {"await",    "read",  "write",  "reopen",   "msg",
                                            "refuse",   "stop",  "flawed", "identity", "connected",
                                            "firmware", "pages", "copy",   "compared", "learn",
                                            "readings", "backup"};
        std::string name = names[static_cast<int>(step.kind)];
        if (step.kind == Step::Kind::Message) {
            name += "(" + std::string(step.text) + ")";
        }
        add(name);
    }

private:
    void add(const std::string& what) {
        text += (text.empty() ? "" : " ") + what + "@" + std::to_string(cycle->PendingRequest());
    }
};

class RequestCycleTest : public testing::Test {
protected:
    RequestCycleTest() { hands.cycle = &cycle; }
    // Runs the steps; returns the trace and what is awaited after them.
    std::string run(const Steps& steps) {
        hands.text.clear();
        cycle.run(steps, hands);
        return hands.text + " =" + std::to_string(cycle.PendingRequest());
    }
    RequestCycle cycle;
    Trace hands;
};

constexpr std::uint8_t kAccepted[] = {24, 11, 6, 71};

// Each block's acknowledgement, single and inside Write Flash: accepted, a field refused, and a
// status that means nothing. The blocks differ on purpose; these are the controller's own ways.
TEST_F(RequestCycleTest, EachBlockTakesItsAcknowledgementItsOwnWay) {
    struct Case {
        Block block;
        PendingRequestKind awaiting;
        int status; // -1 accepted, -2 above the accepted
        const char* trace;
    };
    const Case cases[] = {
        {Block::Basic, SingleWrite, -1, "learn@2 msg(Basic Set successfully.)@2 reopen@0 =0"},
        {Block::Basic, SingleWrite, 0, "refuse@2 reopen@0 =0"},
        {Block::Basic, SingleWrite, -2, "reopen@0 =0"},
        {Block::Basic, FlashWriteChain, -1, "learn@4 reopen@4 write 3@4 =4"},
        {Block::Basic, FlashWriteChain, 0, "refuse@4 =4"},
        {Block::Basic, FlashWriteChain, -2, " =4"},
        {Block::PedalAssist, SingleWrite, -1,
         "learn@2 reopen@0 msg(Pedal Assist Set successfully.)@0 =0"},
        {Block::PedalAssist, SingleWrite, 3, "refuse@2 reopen@0 =0"},
        {Block::PedalAssist, SingleWrite, -2, "reopen@0 =0"},
        {Block::PedalAssist, FlashWriteChain, -1, "learn@4 reopen@4 write 4@4 =4"},
        {Block::PedalAssist, FlashWriteChain, 3, "refuse@4 =4"},
        {Block::ThrottleHandle, SingleWrite, -1,
         "learn@2 reopen@2 msg(Throttle Handle Set successfully.)@2 =0"},
        {Block::ThrottleHandle, SingleWrite, 0, "refuse@2 =2"},
        {Block::ThrottleHandle, SingleWrite, -2, " =2"},
        {Block::ThrottleHandle, FlashWriteChain, -1, "learn@4 reopen@4 write 5@4 =4"},
        {Block::ThrottleHandle, FlashWriteChain, 0, "refuse@4 =4"},
        {Block::Torque, SingleWrite, -1, "learn@2 reopen@2 msg(Torque Set successfully.)@2 =0"},
        {Block::Torque, SingleWrite, 0, "refuse@2 =2"},
        {Block::Torque, SingleWrite, -2, " =2"},
        {Block::Torque, FlashWriteChain, -1,
         "learn@4 reopen@4 msg(Write Flash successfully.)@4 =0"},
        {Block::Torque, FlashWriteChain, 0, "refuse@4 =4"},
        {Block::Torque, FlashWriteChain, -2, " =4"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(layout(c.block).title) + " " + c.trace);
        cycle.run({{.kind = Step::Kind::Await, .awaiting = c.awaiting}}, hands);
        const auto accepted = kAccepted[static_cast<int>(c.block)];
        const auto status = static_cast<std::uint8_t>(c.status == -1   ? accepted
                                                      : c.status == -2 ? accepted + 1
                                                                       : c.status);
        EXPECT_EQ(run(cycle.onAcknowledgement(c.block, ReplyFlaw::None, status)), c.trace);
        // A checksum error says so and changes nothing.
        cycle.run({{.kind = Step::Kind::Await, .awaiting = c.awaiting}}, hands);
        EXPECT_EQ(run(cycle.onAcknowledgement(c.block, ReplyFlaw::Checksum, status)),
                  "msg(" + std::string(layout(c.block).writeChecksumMessage) + ")@" +
                      std::to_string(c.awaiting) + " =" + std::to_string(c.awaiting));
    }
}

// Which reply is taken under which awaited request, from the bytes as they come: a block's read
// reply only while a read is awaited, its acknowledgement only while a write is (each judged as
// what is awaited, so the other one is a flawed reply), the live readings only by a single read or
// Read Flash that asked for them; the identity whatever is awaited.
TEST_F(RequestCycleTest, EachReplyIsTakenOnlyAsWhatIsAwaited) {
    const Bytes torque = readReply(Command::Torque, Bytes(*replyPayloadLength(Command::Torque), 0));
    const Bytes acknowledged = writeAcknowledgement(Command::Torque, 71);
    const Bytes readings =
        readReply(Command::LiveReadings, Bytes(*replyPayloadLength(Command::LiveReadings), 0));
    const char* const expected[][3] = {
        {" =0", " =0", " =0"},
        {"pages@1 reopen@1 =0", "msg(Read The Torque Info CheckSum Error)@1 =1", "readings@1 =0"},
        {"msg(Write The Torque Info CheckSum Error)@2 =2",
         "learn@2 reopen@2 msg(Torque Set successfully.)@2 =0", " =2"},
        {"pages@3 reopen@3 read 6@3 =3", "msg(Read The Torque Info CheckSum Error)@3 =3",
         "readings@3 reopen@3 backup@3 msg(Read Flash successfully.)@3 =0"},
        {"msg(Write The Torque Info CheckSum Error)@4 =4",
         "learn@4 reopen@4 msg(Write Flash successfully.)@4 =0", " =4"},
        {"copy@5 reopen@5 compared@0 =0", "msg(Read The Torque Info CheckSum Error)@5 =5", " =5"},
    };
    cycle.startComparison(); // the copy read into
    for (const PendingRequestKind kind : {NothingAwaited, SingleRead, SingleWrite, FlashReadChain,
                                          FlashWriteChain, ControllerComparison}) {
        const auto await = [&] {
            cycle.run({{.kind = Step::Kind::Await, .awaiting = kind},
                       {.kind = Step::Kind::SendRead, .code = code(Command::LiveReadings)}},
                      hands);
        };
        int column = 0;
        for (const Bytes& reply : {torque, acknowledged, readings}) {
            SCOPED_TRACE(std::to_string(kind) + " " + std::to_string(column));
            await();
            EXPECT_EQ(run(cycle.onReply(reply)), expected[kind][column++]);
        }
        await();
        EXPECT_EQ(run(cycle.onReply(Bytes{0x99, 0x01})), " =" + std::to_string(kind));
        EXPECT_EQ(run(cycle.onReply(Bytes{})), " =" + std::to_string(kind));
        // The firmware text only when asked for, which the identity does.
        const Bytes text = readReply(Command::FirmwareText, Bytes{3, 'A', 'B', 'C'});
        EXPECT_EQ(run(cycle.onReply(text)), " =" + std::to_string(kind));
        const Bytes identity =
            readReply(Command::Identity, Bytes(*replyPayloadLength(Command::Identity), 0));
        EXPECT_EQ(run(cycle.onReply(identity)), "stop@" + std::to_string(kind) + " identity@" +
                                                    std::to_string(kind) + " connected@" +
                                                    std::to_string(kind) + " reopen@0 read 0@0 =0");
        EXPECT_EQ(run(cycle.onReply(text)), "firmware@0 =0");
    }
}

// Every action from its start to its end, the controller accepting everything.
TEST_F(RequestCycleTest, EachChainGoesThroughItsBlocksInOrderAndEnds) {
    const auto reads = [&](std::string& into) {
        for (const Block block : kAllBlocks) {
            into += " | " + run(cycle.onReadReply(block, ReplyFlaw::None));
        }
    };
    std::string trace = run(cycle.startReadFlash());
    reads(trace);
    trace += " | " + run(cycle.onLiveReadings(ReplyFlaw::None));
    EXPECT_EQ(trace, "read 2@3 =3 | pages@3 reopen@3 read 3@3 =3 | pages@3 reopen@3 read 4@3 =3 | "
                     "pages@3 reopen@3 read 5@3 =3 | pages@3 reopen@3 read 6@3 =3 | readings@3 "
                     "reopen@3 backup@3 msg(Read Flash successfully.)@3 =0");

    trace = run(cycle.startComparison());
    reads(trace);
    EXPECT_EQ(trace, "read 2@5 =5 | copy@5 reopen@5 read 3@5 =5 | copy@5 reopen@5 read 4@5 =5 | "
                     "copy@5 reopen@5 read 5@5 =5 | copy@5 reopen@5 compared@0 =0");

    trace = run(cycle.startWriteFlash());
    for (const Block block : kAllBlocks) {
        trace += " | " + run(cycle.onAcknowledgement(block, ReplyFlaw::None,
                                                     kAccepted[static_cast<int>(block)]));
    }
    EXPECT_EQ(trace, "write 2@4 =4 | learn@4 reopen@4 write 3@4 =4 | learn@4 reopen@4 write 4@4 "
                     "=4 | learn@4 reopen@4 write 5@4 =4 | learn@4 reopen@4 msg(Write Flash "
                     "successfully.)@4 =0");

    EXPECT_EQ(run(cycle.startRead(Block::ThrottleHandle)), "read 4@1 =1");
    EXPECT_EQ(run(cycle.onReadReply(Block::ThrottleHandle, ReplyFlaw::None)),
              "pages@1 reopen@1 =0");
    EXPECT_EQ(run(cycle.startGet()), "read 6@1 =1");
    EXPECT_EQ(run(cycle.onLiveReadings(ReplyFlaw::None)), "readings@1 =0");
    // A read reply with a flaw says so and leaves the chain where it is.
    run(cycle.startReadFlash());
    EXPECT_EQ(run(cycle.onReadReply(Block::Basic, ReplyFlaw::Checksum)),
              "msg(Read The Basic Info CheckSum Error)@3 =3");
}

TEST_F(RequestCycleTest, WritesRefusedByThePagesStopOrAwaitAsEachActionDoes) {
    // A page's checks refused a single write: only the Throttle Handle page awaits all the same.
    for (const Block block : kAllBlocks) {
        EXPECT_EQ(run(cycle.startWrite(block, false)),
                  block == Block::ThrottleHandle ? " =2" : " =0");
        cycle.cancel();
    }
    // A block refused as Write Flash builds it ends the chain before anything of it is sent.
    hands.refusedInChain = {Block::ThrottleHandle};
    run(cycle.startWriteFlash());
    run(cycle.onAcknowledgement(Block::Basic, ReplyFlaw::None, 24));
    EXPECT_EQ(run(cycle.onAcknowledgement(Block::PedalAssist, ReplyFlaw::None, 11)),
              "learn@4 reopen@4 refuse@0 =0");
    // A single write of the same block is not a chain: its frame goes out.
    EXPECT_EQ(run(cycle.startWrite(Block::ThrottleHandle, true)), "write 4@2 =2");
}

// The live readings end only a request that asked for them, and only once it went out: readings
// from a tick before, coming in the place of the awaited reply, end nothing.
TEST_F(RequestCycleTest, ReadingsEndOnlyTheRequestThatWentOutForThem) {
    run(cycle.startGet());
    run(cycle.startRead(Block::Basic));
    EXPECT_EQ(run(cycle.onLiveReadings(ReplyFlaw::None)), " =1");
    run(cycle.startReadFlash());
    EXPECT_EQ(run(cycle.onLiveReadings(ReplyFlaw::None)), " =3");
    // A Get that could not be sent awaits, but nothing is on its way to answer it.
    hands.sends = false;
    EXPECT_EQ(run(cycle.startGet()), "read 6 failed@1 =1");
    EXPECT_EQ(cycle.awaited().code, 0);
    EXPECT_EQ(run(cycle.onLiveReadings(ReplyFlaw::None)), " =1");
    EXPECT_FALSE(replyEnding(ReplyEnd::WhenWhole, cycle.awaited()));
    EXPECT_EQ(run(cycle.startWrite(Block::Basic, true)), "write 2 failed@2 =2");
    EXPECT_EQ(cycle.awaited().code, 0);
    hands.sends = true;
    run(cycle.startGet());
    EXPECT_EQ(run(cycle.onLiveReadings(ReplyFlaw::Checksum)),
              "msg(Read The Tq Info CheckSum Error)@1 =1");
    EXPECT_TRUE(replyEnding(ReplyEnd::WhenWhole, cycle.awaited()));
    EXPECT_FALSE(replyEnding(ReplyEnd::AfterSilence, cycle.awaited()));
}

TEST_F(RequestCycleTest, ACancelEndsAnyChainAndItsRepliesAreNotTaken) {
    run(cycle.startReadFlash());
    EXPECT_TRUE(cycle.cancel());
    EXPECT_EQ(cycle.PendingRequest(), NothingAwaited);
    EXPECT_TRUE(cycle.onReadReply(Block::Basic, ReplyFlaw::None).empty());
    run(cycle.startRead(Block::Basic));
    EXPECT_FALSE(cycle.cancel());
}

TEST_F(RequestCycleTest, TheIdentityEndsProbingAndAsksForTheFirmwareTextWhenGood) {
    EXPECT_EQ(run(cycle.onIdentity(ReplyFlaw::Checksum, 40)),
              "stop@0 flawed@0 msg(Read The Controller Info CheckSum Error)@0 =0");
    EXPECT_EQ(cycle.maxCurrent(), 0);
    run(cycle.onIdentity(ReplyFlaw::None, 25));
    EXPECT_EQ(cycle.maxCurrent(), 25);
    // Shown even with a bad checksum, but never a cut chunk, and only once asked for.
    EXPECT_EQ(run(cycle.onFirmwareText(ReplyFlaw::Checksum)),
              "msg(Read The Software Version Error)@0 firmware@0 =0");
    EXPECT_EQ(run(cycle.onFirmwareText(ReplyFlaw::None)), " =0");
    run(cycle.onIdentity(ReplyFlaw::None, 25));
    EXPECT_EQ(run(cycle.onFirmwareText(ReplyFlaw::Cut)),
              "msg(Read The Software Version Error)@0 =0");
}

} // namespace
} // namespace morvent
