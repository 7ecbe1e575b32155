// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#include "ControllerExchange.h"
#include "LineTiming.h"
#include "TestFields.h"
#include "TrafficDescription.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace morvent {
namespace {

// What the probing and the exchange ask of a line, in order. The real lines (the window's on its
// event loop, the command-line tool's waiting on the spot) are driven against the simulated
// controller elsewhere; here only the sequence both of them rely on is looked at.
class RecordingLine : public ExchangeLine {
public:
    RecordingLine(ReplyEnd end, Command command, bool sends)
        : ExchangeLine(end), m_command(command), m_sends(sends) {}
    std::string steps; // "; " between steps

    void setRate(std::uint32_t baud) override { step("rate " + std::to_string(baud)); }
    void expectReply(ReplyWhole whole) override {
        // Which whole reply ends it early: the block's read reply or its acknowledgement.
        const Bytes read = readReply(m_command, Bytes(*replyPayloadLength(m_command), 0));
        const Bytes acknowledged = writeAcknowledgement(m_command, 0);
        step(!whole                ? "expect silence"
             : whole(acknowledged) ? "expect acknowledgement"
             : whole(read)         ? "expect read reply"
                                   : "expect nothing whole");
    }
    void prepareRequest() override { step("prepare"); }
    void quietUntil(std::chrono::steady_clock::time_point until) override {
        // Never in the past: the controller needs the whole pause.
        step(until > std::chrono::steady_clock::now() ? "quiet" : "no quiet");
    }
    bool send(const Bytes& frame) override {
        step("send " + hexBytes(frame));
        return m_sends;
    }
    void awaitReply(std::uint8_t code, PendingRequestKind awaiting) override {
        step("await " + hexBytes(Bytes{code}) + " as " + std::to_string(awaiting));
    }
    void listen(std::chrono::milliseconds time) override {
        step("listen " + std::to_string(time.count()));
    }

private:
    void step(const std::string& what) { steps += (steps.empty() ? "" : "; ") + what; }
    Command m_command;
    bool m_sends;
};

struct Sequence {
    const char* name;
    ReplyEnd end;
    Command command;
    PendingRequestKind awaiting; // NothingAwaited: a probe
    bool sends;
    std::string steps; // "; " between steps
};

class Exchange : public testing::TestWithParam<Sequence> {};

TEST_P(Exchange, RunsItsStepsInOrder) {
    const Sequence& c = GetParam();
    RecordingLine line(c.end, c.command, c.sends);
    const bool sent = c.awaiting == NothingAwaited
                          ? probe(line)
                          : request(line,
                                    c.awaiting == SingleWrite || c.awaiting == FlashWriteChain
                                        ? writeFrame(c.command, Bytes(6, 1))
                                        : readRequest(c.command),
                                    c.awaiting);
    EXPECT_EQ(sent, c.sends);
    EXPECT_EQ(line.steps, c.steps);
}

const Sequence kSequences[] = {
    {"Probe", ReplyEnd::AfterSilence, Command::Identity, NothingAwaited, true,
     "quiet; send 11 51 25 80 F6; quiet; rate 9600; listen 200"},
    {"ProbeNotSent", ReplyEnd::WhenWhole, Command::Identity, NothingAwaited, false,
     "quiet; send 11 51 25 80 F6"},
    {"WindowRead", ReplyEnd::AfterSilence, Command::Torque, FlashReadChain, true,
     "expect silence; prepare; quiet; send 11 55; await 55 as 3"},
    {"CliRead", ReplyEnd::WhenWhole, Command::Torque, SingleRead, true,
     "expect read reply; prepare; quiet; send 11 55; await 55 as 1"},
    {"WindowWrite", ReplyEnd::AfterSilence, Command::ThrottleHandle, SingleWrite, true,
     "expect silence; prepare; quiet; send 16 54 06 01 01 01 01 01 01 60; await 54 as 2"},
    {"CliWrite", ReplyEnd::WhenWhole, Command::ThrottleHandle, FlashWriteChain, true,
     "expect acknowledgement; prepare; quiet; send 16 54 06 01 01 01 01 01 01 60; await 54 as 4"},
    {"ReadNotSent", ReplyEnd::AfterSilence, Command::Basic, SingleRead, false,
     "expect silence; prepare; quiet; send 11 52"},
};

INSTANTIATE_TEST_SUITE_P(Lines, Exchange, testing::ValuesIn(kSequences),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ProbeOrder, StartsWithTheRateThatAnsweredLastAndWrapsRoundTheList) {
    using Rates = std::vector<std::uint32_t>;
    const Rates all(kProbeRates.begin(), kProbeRates.end());
    EXPECT_EQ(std::tuple(probeOrder(), probeOrder(1200)), std::tuple(all, all));
    EXPECT_EQ(probeOrder(4800), all); // not a probing rate: ignored
    EXPECT_EQ(probeOrder(38400), (Rates{38400, 1200, 9600, 19200, 115200}));
    EXPECT_EQ(probeOrder(115200), (Rates{115200, 1200, 9600, 19200, 38400}));
    EXPECT_EQ(nextProbeIndex(0), 1u);
    EXPECT_EQ(nextProbeIndex(kProbeRates.size() - 1), 0u);
}

} // namespace
} // namespace morvent
