#include "CommRecorder.h"
#include "ProcessProbes.h"
#include "PtyPeer.h"
#include "TComm.h"
#include "TReadThread.h"

#include <gtest/gtest.h>

#include <linux/serial.h>

#include <mutex>
#include <thread>

namespace morvent {
namespace {

using test::CommRecorder;
using test::PtyPeer;
using test::waitFor;

class ReadThread : public testing::Test {
protected:
    void open(std::uint32_t interval) {
        comm.setCommName(peer.path());
        comm.setReadIntervalTimeout(interval);
        comm.OpenComm();
    }

    PtyPeer peer;
    TComm comm;
    CommRecorder events{comm};
};

TEST_F(ReadThread, ABurstArrivesAsOneChunk) {
    open(100);
    const auto reply = test::pattern(74);
    // Written in pieces closer together than the interval timeout, as a UART delivers a reply.
    for (std::size_t at = 0; at < reply.size(); at += 10) {
        peer.write({reply.begin() + static_cast<long>(at),
                    reply.begin() + static_cast<long>(std::min(at + 10, reply.size()))});
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    ASSERT_TRUE(waitFor([&] { return !events.chunks.empty(); }));
    test::settle(250);
    ASSERT_EQ(events.chunks.size(), 1u);
    EXPECT_EQ(events.chunks[0], reply);
}

TEST_F(ReadThread, APauseLongerThanTheIntervalSplitsTheBytes) {
    open(50);
    peer.write({0x52, 0x18});
    std::this_thread::sleep_for(std::chrono::milliseconds(250));
    peer.write({0x2A, 0x19});
    ASSERT_TRUE(waitFor([&] { return events.chunks.size() >= 2; }));
    test::settle(150);
    ASSERT_EQ(events.chunks.size(), 2u);
    EXPECT_EQ(events.chunks[0], (std::vector<std::uint8_t>{0x52, 0x18}));
    EXPECT_EQ(events.chunks[1], (std::vector<std::uint8_t>{0x2A, 0x19}));
}

TEST_F(ReadThread, ChunksHoldAtMost1024Bytes) {
    open(100);
    const auto flood = test::pattern(3000);
    peer.write(flood);
    ASSERT_TRUE(waitFor([&] { return events.received().size() >= flood.size(); }));
    ASSERT_EQ(events.chunks.size(), 3u);
    EXPECT_EQ(events.chunks[0].size(), 1024u);
    EXPECT_EQ(events.chunks[1].size(), 1024u);
    EXPECT_EQ(events.chunks[2].size(), 3000u - 2048u);
    EXPECT_EQ(events.received(), flood);
}

TEST_F(ReadThread, AllOnesIntervalHandsOverAtOnce) {
    open(kMaxTimeout);
    peer.write({1, 2, 3});
    ASSERT_TRUE(waitFor([&] { return !events.chunks.empty(); }));
    std::this_thread::sleep_for(std::chrono::milliseconds(30));
    peer.write({4});
    ASSERT_TRUE(waitFor([&] { return events.received().size() == 4; }));
    EXPECT_GE(events.chunks.size(), 2u);
}

TEST_F(ReadThread, AnEmptyTotalTimeoutDoesNotLeaveThePortDeaf) {
    comm.setReadTotalTimeoutConstant(20);
    open(100);
    // Several total timeouts pass with no byte; the reader must still be reading afterwards.
    test::settle(150);
    peer.write({7, 8, 9});
    ASSERT_TRUE(waitFor([&] { return events.received().size() == 3; }));
    EXPECT_EQ(events.hangups, 0);
}

TEST_F(ReadThread, TimeoutsChangedWhileOpenTakeEffect) {
    open(30);
    comm.setReadIntervalTimeout(400);
    peer.write({1});
    std::this_thread::sleep_for(std::chrono::milliseconds(150));
    peer.write({2});
    ASSERT_TRUE(waitFor([&] { return !events.chunks.empty(); }));
    EXPECT_EQ(events.chunks[0], (std::vector<std::uint8_t>{1, 2}));
}

TEST_F(ReadThread, NullBytesAreDroppedWhenAskedTo) {
    comm.setIgnoreNullChar(true);
    open(30);
    peer.write({0, 1, 0, 0, 2, 0});
    ASSERT_TRUE(waitFor([&] { return !events.chunks.empty(); }));
    EXPECT_EQ(events.received(), (std::vector<std::uint8_t>{1, 2}));
}

TEST_F(ReadThread, TheFarEndClosingIsAHangup) {
    // A long interval: what the reader holds goes out only because of the hang-up.
    open(10000);
    EXPECT_EQ(test::threadsNamed("comm-reader"), 1);
    peer.write({5, 6});
    // A hang-up makes the kernel drop input the device side has not read yet, so the test waits
    // until the reader has it (the pseudo-terminal passes written bytes on within a moment).
    test::settle(50);
    ASSERT_TRUE(waitFor([&] { return peer.unread() == 0; }));
    peer.hangUp();
    ASSERT_TRUE(waitFor([&] { return events.hangups > 0; }));
    // Bytes that came before the hang-up are still handed over, ahead of it.
    EXPECT_EQ(events.received(), (std::vector<std::uint8_t>{5, 6}));
    // The reader has ended rather than spinning on a dead descriptor.
    EXPECT_TRUE(waitFor([&] { return test::threadsNamed("comm-reader") == 0; }));
    // The port stays open, without its reader, until the owner closes it.
    EXPECT_NE(comm.ComHandle(), 0u);
    comm.CloseComm();
    EXPECT_EQ(comm.ComHandle(), 0u);
}

TEST_F(ReadThread, NotificationsPostedBeforeCloseAreDeliveredAfterReopen) {
    open(20);
    peer.write({0x51, 0x10});
    // Not running the event loop: the chunk is posted but not yet delivered.
    std::this_thread::sleep_for(std::chrono::milliseconds(200));
    ASSERT_TRUE(events.chunks.empty());
    comm.CloseComm();
    comm.OpenComm();
    ASSERT_TRUE(waitFor([&] { return !events.chunks.empty(); }));
    EXPECT_EQ(events.chunks[0], (std::vector<std::uint8_t>{0x51, 0x10}));
}

TEST_F(ReadThread, AHandlerMayReopenThePortAndStillReadItsBuffer) {
    open(20);
    std::vector<std::uint8_t> seen;
    int reopened = 0;
    comm.OnReceiveData = [&](TComm* sender, const std::uint8_t* buffer, std::uint16_t length) {
        sender->CloseComm();
        sender->OpenComm();
        ++reopened;
        // The buffer belongs to this call until it returns, reopen or not.
        seen.assign(buffer, buffer + length);
    };
    const auto reply = test::pattern(27, 3);
    peer.write(reply);
    ASSERT_TRUE(waitFor([&] { return reopened == 1; }));
    EXPECT_EQ(seen, reply);
    peer.write({1});
    ASSERT_TRUE(waitFor([&] { return reopened == 2; }));
    EXPECT_EQ(seen, std::vector<std::uint8_t>{1});
}

TEST_F(ReadThread, ChunksKeepComingWhileAHandlerRunsANestedEventLoop) {
    open(20);
    std::vector<std::vector<std::uint8_t>> order;
    comm.OnReceiveData = [&](TComm*, const std::uint8_t* buffer, std::uint16_t length) {
        const std::vector<std::uint8_t> chunk(buffer, buffer + length);
        order.push_back(chunk);
        if (chunk.front() == 1) {
            // As a message box does: the second chunk is handled before this handler returns,
            // and this handler's bytes are still its own afterwards.
            peer.write({2});
            EXPECT_TRUE(waitFor([&] { return order.size() == 2; }));
            EXPECT_EQ(std::vector<std::uint8_t>(buffer, buffer + length), chunk);
        }
    };
    peer.write({1});
    ASSERT_TRUE(waitFor([&] { return order.size() == 2; }));
    EXPECT_EQ(order, (std::vector<std::vector<std::uint8_t>>{{1}, {2}}));
}

TEST_F(ReadThread, APseudoTerminalReportsNoLineEvents) {
    open(20);
    peer.write({1, 2, 3});
    ASSERT_TRUE(waitFor([&] { return !events.chunks.empty(); }));
    test::settle(120);
    EXPECT_TRUE(events.lineErrors.empty());
    EXPECT_TRUE(events.modemEvents.empty());
    EXPECT_EQ(events.hangups, 0);
}

// A pseudo-terminal has no UART counters, so this one device property is faked: the counters a
// real adapter's driver keeps for line errors and modem lines.
class FakeCounters {
public:
    explicit FakeCounters(int framing) { m_counters.frame = framing; }

    SerialSystem system() {
        SerialSystem s = SerialSystem::real();
        s.lineCounters = [this](int, serial_icounter_struct* c) {
            const std::lock_guard lock(m_mutex);
            *c = m_counters;
            return 0;
        };
        return s;
    }
    // Changes several counters at once, as one interrupt of the UART would.
    void happen(const std::function<void(serial_icounter_struct&)>& change) {
        const std::lock_guard lock(m_mutex);
        change(m_counters);
    }

private:
    std::mutex m_mutex;
    serial_icounter_struct m_counters{};
};

struct LineEventCase {
    const char* name;
    std::function<void(serial_icounter_struct&)> happen;
    std::vector<std::uint32_t> lineErrors;
    std::vector<std::uint32_t> modemEvents;
};

void PrintTo(const LineEventCase& c, std::ostream* os) {
    *os << c.name;
}

class ReadThreadLineEvents : public testing::TestWithParam<LineEventCase> {};

TEST_P(ReadThreadLineEvents, AreReportedAndReadingGoesOn) {
    FakeCounters counters(3); // counts from before the open are history, not news
    PtyPeer peer;
    TComm comm(nullptr, counters.system());
    CommRecorder events(comm);
    comm.setCommName(peer.path());
    comm.setReadIntervalTimeout(20);
    comm.OpenComm();
    test::settle(80);
    ASSERT_TRUE(events.lineErrors.empty());

    counters.happen(GetParam().happen);
    ASSERT_TRUE(waitFor([&] {
        return events.lineErrors.size() + events.modemEvents.size() >=
               GetParam().lineErrors.size() + GetParam().modemEvents.size();
    }));
    test::settle(120);
    EXPECT_EQ(events.lineErrors, GetParam().lineErrors);
    EXPECT_EQ(events.modemEvents, GetParam().modemEvents);

    peer.write({9});
    ASSERT_TRUE(waitFor([&] { return !events.chunks.empty(); }));
    EXPECT_EQ(events.hangups, 0);
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, ReadThreadLineEvents,
    testing::Values(
        LineEventCase{
            "Framing", [](serial_icounter_struct& c) { ++c.frame; }, {LineError::Framing}, {}},
        LineEventCase{"ParityAndOverrun",
                      [](serial_icounter_struct& c) {
                          ++c.parity;
                          ++c.overrun;
                      },
                      {LineError::Parity | LineError::Overrun},
                      {}},
        LineEventCase{"BreakAndOverflow",
                      [](serial_icounter_struct& c) {
                          ++c.brk;
                          ++c.buf_overrun;
                      },
                      {LineError::Break | LineError::ReceiveQueueOverflow},
                      {}},
        LineEventCase{"CarrierDetect", [](serial_icounter_struct& c) { ++c.dcd; }, {}, {8}},
        LineEventCase{"Ring", [](serial_icounter_struct& c) { ++c.rng; }, {}, {4}},
        LineEventCase{"RingAndCarrier",
                      [](serial_icounter_struct& c) {
                          ++c.rng;
                          ++c.dcd;
                      },
                      {},
                      {12}}),
    [](const testing::TestParamInfo<LineEventCase>& info) { return info.param.name; });

} // namespace
} // namespace morvent
