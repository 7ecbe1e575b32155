// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#include "CommRecorder.h"
#include "ControllerExchange.h"
#include "ControllerLine.h"
#include "NotificationQueue.h"
#include "ProcessProbes.h"
#include "PtyPeer.h"
#include "TComm.h"
#include "TReadThread.h"
#include "Wait.h"

#include <gtest/gtest.h>

#include <QTest>

#include <fcntl.h>
#include <linux/serial.h>
#include <sys/eventfd.h>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <functional>
#include <mutex>
#include <numeric>
#include <thread>

namespace morvent {
namespace {

using namespace test;

// A component on a pseudo-terminal, its events recorded.
struct OpenPort {
    PtyPeer peer;
    TComm comm;
    CommRecorder events{comm};

    explicit OpenPort(std::uint32_t interval = 20) {
        comm.setCommName(peer.path());
        comm.setReadIntervalTimeout(interval);
    }
    bool send(const std::vector<std::uint8_t>& bytes) {
        return comm.SendData(bytes.data(), static_cast<std::uint16_t>(bytes.size()));
    }
};

std::vector<std::uint8_t> pattern(std::size_t size, std::uint8_t first = 0) {
    std::vector<std::uint8_t> bytes(size);
    std::iota(bytes.begin(), bytes.end(), first);
    return bytes;
}

std::string openFailure(TComm& comm) {
    try {
        comm.OpenComm();
    } catch (const ECommsError& e) {
        return e.what();
    }
    return "opened";
}

// The device as another program finds it.
struct DeviceState {
    termios line{};
    int exclusive = -1;
    bool lockable = false;
};

DeviceState deviceState(const PtyPeer& peer) {
    DeviceState state;
    state.line = peer.lineSettings();
    const int fd = ::open(peer.path().c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK);
    if (fd < 0) {
        state.exclusive = errno == EBUSY; // refused to all but root
        return state;
    }
    ::ioctl(fd, TIOCGEXCL, &state.exclusive);
    state.lockable = ::flock(fd, LOCK_EX | LOCK_NB) == 0;
    ::close(fd);
    return state;
}

// What a previous program may leave on the line: a cooked terminal with input flow control.
termios leaveForeignSettings(PtyPeer& peer) {
    termios line = peer.lineSettings();
    line.c_iflag |= IXOFF | INPCK | ICRNL;
    line.c_lflag |= ECHO | ICANON;
    cfsetspeed(&line, B4800);
    peer.setLineSettings(line);
    return line;
}

speed_t speedOf(const PtyPeer& peer) {
    const termios line = peer.lineSettings();
    return cfgetispeed(&line) == cfgetospeed(&line) ? cfgetospeed(&line) : B0;
}

void expectOwnSettingsBack(const PtyPeer& peer, const termios& own) {
    const DeviceState after = deviceState(peer);
    EXPECT_EQ(std::tuple(after.line.c_iflag, after.line.c_lflag, cfgetospeed(&after.line)),
              std::tuple(own.c_iflag, own.c_lflag, cfgetospeed(&own)));
    EXPECT_TRUE(after.exclusive == 0 && after.lockable);
}

// A component made anew has the published defaults: a program sets only what its line needs.
TEST(TComm, StartsWithThePublishedDefaults) {
    const TComm comm;
    const LineSettings& s = comm.lineSettings();
    EXPECT_EQ(std::tie(s.BaudRate, s.ParityCheck, s.Outx_CtsFlow, s.Outx_DsrFlow, s.DtrControl,
                       s.DsrSensitivity, s.TxContinueOnXoff, s.Outx_XonXoffFlow, s.Inx_XonXoffFlow,
                       s.ReplaceWhenParityError, s.IgnoreNullChar, s.RtsControl),
              std::tuple(9600u, false, true, true, TDtrControl::DtrEnable, false, true, false,
                         false, false, false, TRtsControl::RtsEnable));
    EXPECT_EQ(
        std::tie(s.XonLimit, s.XoffLimit, s.ByteSize, s.Parity, s.StopBits, s.XonChar, s.XoffChar,
                 s.ReplacedChar),
        std::tuple(10, 10, TByteSize::_8, TParity::None, TStopBits::_1, '\x11', '\x13', '\0'));
}

TEST(TComm, OpensTheControllerLineFromNothingAndPutsTheDeviceBackOnClose) {
    OpenPort port;
    useControllerLine(port.comm);
    const termios own = leaveForeignSettings(port.peer);
    // A bare name is a device in /dev. Started with standard error closed, the program must not
    // take the port for it, or its warnings would go to the controller.
    port.comm.setCommName(port.peer.path().substr(std::string("/dev/").size()));
    const int standardError = ::dup(STDERR_FILENO);
    ::close(STDERR_FILENO);
    port.comm.OpenComm();
    const auto handle = port.comm.ComHandle();
    port.comm.CloseComm();
    ::dup2(standardError, STDERR_FILENO);
    ::close(standardError);
    EXPECT_GT(handle, std::uint32_t{STDERR_FILENO});
    port.comm.OpenComm();

    EXPECT_EQ(openFailure(port.comm), "This serial port already opened");
    const DeviceState open = deviceState(port.peer);
    EXPECT_EQ(open.line.c_cflag & (CSIZE | PARENB | CSTOPB | CRTSCTS), tcflag_t{CS8});
    EXPECT_EQ(open.line.c_iflag, 0u);
    EXPECT_EQ(open.line.c_lflag, 0u);
    EXPECT_EQ(open.line.c_oflag, 0u);
    EXPECT_EQ(open.exclusive, 1);
    EXPECT_FALSE(open.lockable);

    // Bytes that a cooked line or flow control would eat or change.
    const std::vector<std::uint8_t> awkward{0x11, 0x13, 0x0D, 0x0A, 0x03, 0x04, 0x7F, 0x00, 0xFF};
    ASSERT_TRUE(port.send(awkward));
    EXPECT_EQ(port.peer.read(awkward.size()), awkward);
    port.peer.write(awkward);
    ASSERT_TRUE(waitFor([&] { return !port.events.chunks.empty(); }));
    EXPECT_EQ(port.events.chunks, Chunks{awkward});
    // A pseudo-terminal keeps no line counters, so nothing but the bytes comes.
    EXPECT_TRUE(port.events.lineErrors.empty() && port.events.modemEvents.empty());
    EXPECT_EQ(port.events.hangups, 0);

    // A new rate reaches the open line at once, and stays for the next open.
    port.comm.setBaudRate(1200);
    EXPECT_EQ(speedOf(port.peer), B1200);
    port.comm.CloseComm();
    expectOwnSettingsBack(port.peer, own);
    port.comm.OpenComm();
    EXPECT_EQ(speedOf(port.peer), B1200);
}

// Every way of failing is reported, and leaves the component closed, with nothing held, the
// device as it was, and ready for a next OpenComm that succeeds. A line setting the device
// refuses is reported also while the port is open, and leaves the setting and the line as they
// were.
struct OpenFailure {
    const char* name;
    const char* message;
    std::function<void(TComm&)> setUp;
    std::function<void(SerialSystem&)> breakSystem = {};
    bool lineSetting = false;
};

bool startAllBut(const char* refused, std::thread& thread, std::function<void()> body,
                 const char* name) {
    return std::string(name) != refused &&
           SerialSystem::real().startThread(thread, std::move(body), name);
}

class TCommOpenFailure : public testing::TestWithParam<OpenFailure> {};

TEST_P(TCommOpenFailure, IsReportedAndLeavesNothingHeldOrChanged) {
    const OpenFailure& failure = GetParam();
    PtyPeer peer;
    const termios own = leaveForeignSettings(peer);
    const SerialSystem& real = SerialSystem::real();
    SerialSystem broken = real;
    if (failure.breakSystem) {
        failure.breakSystem(broken);
    }
    // Broken until healthy is set, so that the same component can then succeed.
    bool healthy = false;
    SerialSystem system = real;
    system.getAttributes = [&](int fd, termios* t) {
        return (healthy ? real : broken).getAttributes(fd, t);
    };
    system.createEvent = [&] { return (healthy ? real : broken).createEvent(); };
    system.startThread = [&](std::thread& t, std::function<void()> body, const char* name) {
        return (healthy ? real : broken).startThread(t, std::move(body), name);
    };

    TComm comm(nullptr, system);
    comm.setCommName(peer.path());
    if (failure.setUp) {
        failure.setUp(comm);
    }
    const int descriptors = openDescriptorCount();
    const int threads = threadCount();
    EXPECT_EQ(openFailure(comm), failure.message);
    EXPECT_EQ(comm.ComHandle(), 0u);
    EXPECT_FALSE(comm.SendData(reinterpret_cast<const std::uint8_t*>("x"), 1));
    EXPECT_EQ(openDescriptorCount(), descriptors);
    EXPECT_TRUE(waitFor([&] { return threadCount() == threads; }));
    expectOwnSettingsBack(peer, own);

    healthy = true;
    comm.setCommName(peer.path());
    comm.setByteSize(TByteSize::_8);
    comm.setBaudRate(9600);
    comm.OpenComm();
    EXPECT_NE(comm.ComHandle(), 0u);
    if (failure.lineSetting) {
        const tcflag_t line = peer.lineSettings().c_cflag; // the speed is in here too
        EXPECT_THROW(failure.setUp(comm), ECommsError);
        EXPECT_EQ(peer.lineSettings().c_cflag, line);
        EXPECT_TRUE(comm.BaudRate() == 9600 && comm.ByteSize() == TByteSize::_8);
        EXPECT_TRUE(comm.isOpen());
    }
}

INSTANTIATE_TEST_SUITE_P(
    Steps, TCommOpenFailure,
    testing::Values(OpenFailure{"Missing", "Error opening serial port",
                                [](TComm& c) { c.setCommName("/dev/morvent-no-such-port"); }},
                    OpenFailure{"NotATerminal", "File handle is not a comm handle ",
                                [](TComm& c) { c.setCommName("/dev/null"); }},
                    OpenFailure{"NoSettings", "Cannot setup comm buffer", nullptr,
                                [](SerialSystem& s) {
                                    s.getAttributes = [](int, termios*) { return errno = EIO, -1; };
                                }},
                    // A pseudo-terminal carries eight data bits and nothing else.
                    OpenFailure{"RefusedByteSize", "Cannot setup comm buffer",
                                [](TComm& c) { c.setByteSize(TByteSize::_7); }, nullptr, true},
                    OpenFailure{"RateWithoutTermiosSpeed", "Cannot setup comm buffer",
                                [](TComm& c) { c.setBaudRate(12345); }, nullptr, true},
                    OpenFailure{"NoEvent", "Unable to create event", nullptr,
                                [](SerialSystem& s) { s.createEvent = [] { return -1; }; }},
                    OpenFailure{"NoReader", "Unable to create read thread", nullptr,
                                [](SerialSystem& s) {
                                    s.startThread = std::bind_front(startAllBut, "comm-reader");
                                }},
                    // The stop event is the first event made; the writer's queue the second.
                    OpenFailure{"NoWriterQueue", "Unable to create write thread", nullptr,
                                [](SerialSystem& s) {
                                    s.createEvent = [made = std::make_shared<int>(0)] {
                                        return ++*made == 2 ? -1 : ::eventfd(0, EFD_NONBLOCK);
                                    };
                                }}),
    [](const testing::TestParamInfo<OpenFailure>& info) { return info.param.name; });

TEST(TComm, OpenCloseCyclesAndComponentsDestroyedOpenLeaveNothingBehind) {
    PtyPeer peer;
    const int descriptors = openDescriptorCount();
    const int threads = threadCount();
    for (int i = 0; i < 200; ++i) {
        TComm comm;
        comm.setCommName(peer.path());
        comm.OpenComm();
        if (i % 2 == 0) {
            comm.CloseComm();
        }
    }
    EXPECT_EQ(openDescriptorCount(), descriptors);
    // A joined thread may still be listed in /proc for a moment after the join returns.
    EXPECT_TRUE(waitFor([&] { return threadCount() == threads; }));
}

TEST(TComm, QueuedBuffersGoOutWholeAndInOrderUntilThePortCloses) {
    OpenPort port;
    EXPECT_FALSE(port.send({0x11}));
    port.comm.OpenComm();
    EXPECT_FALSE(port.send({}));
    // Once when the writer first finds its queue empty.
    ASSERT_TRUE(waitFor([&] { return port.events.emptyQueues == 1; }));

    // With the line full the writer is held on the first buffer while the rest queue behind it.
    const std::size_t filler = port.peer.fillLine();
    const auto a = pattern(5000, 1);
    const auto b = pattern(2, 2);
    const auto c = pattern(65535, 3);
    ASSERT_TRUE(port.send(a) && port.send(b) && port.send(c));
    QTest::qWait(50);
    EXPECT_EQ(port.events.emptyQueues, 1);
    std::vector<std::uint8_t> expected(filler, 0xAA);
    for (const auto* part : {&a, &b, &c}) {
        expected.insert(expected.end(), part->begin(), part->end());
    }
    EXPECT_EQ(port.peer.read(expected.size(), 10000), expected);
    // Once more when all of them are out.
    ASSERT_TRUE(waitFor([&] { return port.events.emptyQueues == 2; }));

    // Closing abandons a pending write and drops what is queued behind it.
    const std::size_t stuck = port.peer.fillLine() + 2 * c.size();
    ASSERT_TRUE(port.send(c) && port.send(c));
    QTest::qWait(50);
    port.comm.CloseComm();
    EXPECT_LT(port.peer.read(stuck, 300).size(), stuck);
    EXPECT_FALSE(port.send({0x11}));
    QTest::qWait(50);
    EXPECT_EQ(std::tuple(port.events.emptyQueues, port.events.hangups), std::tuple(2, 0));

    port.comm.OpenComm();
    ASSERT_TRUE(waitFor([&] { return port.events.emptyQueues == 3; }));
    ASSERT_TRUE(port.send({0x11, 0x56}));
    EXPECT_EQ(port.peer.read(2), (std::vector<std::uint8_t>{0x11, 0x56}));
    ASSERT_TRUE(waitFor([&] { return port.events.emptyQueues == 4; }));
    // Closing while the only write is held announces no emptied queue: not all of it went out.
    port.peer.fillLine();
    ASSERT_TRUE(port.send(c));
    QTest::qWait(50);
    port.comm.CloseComm();
    QTest::qWait(50);
    EXPECT_EQ(port.events.emptyQueues, 4);
}

TEST(TComm, TheDeviceGoingAwayIsAHangUpAfterTheBytesBeforeIt) {
    // A long interval: what the reader holds goes out only because of the hang-up.
    OpenPort port(10000);
    port.comm.OpenComm();
    port.peer.write({5, 6});
    // A hang-up drops input the device side has not read yet: the reader must have it first.
    QTest::qWait(50);
    ASSERT_TRUE(waitFor([&] { return port.peer.unread() == 0; }));
    port.peer.hangUp();
    ASSERT_TRUE(waitFor([&] { return port.events.hangups > 0; }));
    EXPECT_EQ(port.events.chunks, (Chunks{{5, 6}}));
    EXPECT_TRUE(waitFor([] { return threadsNamed("comm-reader") == 0; }));

    // The writer finds out at its next write, and takes nothing more from then on.
    const int before = port.events.hangups;
    ASSERT_TRUE(port.send({0x11, 0x52}));
    ASSERT_TRUE(waitFor([&] { return port.events.hangups > before; }));
    EXPECT_TRUE(waitFor([] { return threadsNamed("comm-writer") == 0; }));
    EXPECT_FALSE(port.send({0x11, 0x52}));
    // The port stays open without its workers until its owner closes it.
    EXPECT_NE(port.comm.ComHandle(), 0u);
}

// A device that floods the line while the component's thread is busy: what waits for that
// thread stays within a bound far above any reply, the first bytes (where a reply would be) are
// kept, and the rest is dropped and counted.
TEST(TComm, AFloodingDeviceCostsBoundedMemoryAndTheBytesBeyondAreCounted) {
    OpenPort port;
    port.comm.OpenComm();
    constexpr std::size_t kFlood = std::size_t{4} << 20;
    std::vector<std::uint8_t> flood = pattern(kFlood);
    // Written by this thread, which delivers nothing until the reader has read all but the last
    // chunk: until everything beyond what may wait has been dropped.
    port.peer.write(flood);
    const auto beyond = [&] {
        return port.comm.droppedBytes() >= kFlood - NotificationQueue::kPendingBytesLimit;
    };
    for (int waited = 0; !beyond() && waited < 10000; waited += 10) {
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    ASSERT_TRUE(beyond()) << port.comm.droppedBytes();
    std::size_t delivered = 0;
    ASSERT_TRUE(waitFor([&] {
        delivered = 0;
        for (const auto& chunk : port.events.chunks) {
            delivered += chunk.size();
        }
        return delivered + port.comm.droppedBytes() == kFlood;
    }));
    EXPECT_LE(delivered, NotificationQueue::kPendingBytesLimit + 2 * TReadThread::kChunkSize);
    ASSERT_FALSE(port.events.chunks.empty());
    EXPECT_TRUE(
        std::equal(port.events.chunks[0].begin(), port.events.chunks[0].end(), flood.begin()));
}

// Bytes the far end writes, each part followed by a pause, and the chunks the handler gets.
struct Part {
    std::vector<std::uint8_t> bytes;
    int pauseMs = 0;
};

struct ReceiveCase {
    const char* name;
    std::uint32_t interval;
    std::vector<Part> parts;
    Chunks chunks;
    void (*whileOpen)(TComm&) = nullptr;
};

class Receiving : public testing::TestWithParam<ReceiveCase> {};

TEST_P(Receiving, ChunksEndByTheIntervalTheTotalTimeoutOrAFullBuffer) {
    const ReceiveCase& row = GetParam();
    OpenPort port(row.interval);
    port.comm.OpenComm();
    if (row.whileOpen) {
        row.whileOpen(port.comm);
    }
    for (const Part& part : row.parts) {
        port.peer.write(part.bytes);
        std::this_thread::sleep_for(std::chrono::milliseconds(part.pauseMs));
    }
    ASSERT_TRUE(waitFor([&] { return port.events.chunks.size() >= row.chunks.size(); }));
    QTest::qWait(150);
    EXPECT_EQ(std::tuple(port.events.chunks, port.events.hangups), std::tuple(row.chunks, 0));
}

const std::vector<std::uint8_t> kFlood = pattern(3000);

Chunks thirds(const std::vector<std::uint8_t>& b) {
    return {{b.begin(), b.begin() + 1024},
            {b.begin() + 1024, b.begin() + 2048},
            {b.begin() + 2048, b.end()}};
}

using R = ReceiveCase;
constexpr auto longInterval = [](TComm& c) { c.setReadIntervalTimeout(400); };
constexpr auto totalTimeout = [](TComm& c) { c.setReadTotalTimeoutConstant(20); };
constexpr auto dropNulls = [](TComm& c) { c.setIgnoreNullChar(true); };

INSTANTIATE_TEST_SUITE_P(
    Timeouts, Receiving,
    testing::Values(
        R{"APauseLongerThanTheIntervalSplits", 50, {{{1, 2}, 250}, {{3}}}, {{1, 2}, {3}}},
        R{"AtMost1024BytesAChunk", 100, {{kFlood}}, thirds(kFlood)},
        R{"AllOnesHandsOverAtOnce", kMaxTimeout, {{{1, 2, 3}, 30}, {{4}}}, {{1, 2, 3}, {4}}},
        // Pieces closer together than the interval are one chunk, as a UART delivers a reply.
        R{"AnIntervalChangedWhileOpenCounts", 30, {{{1}, 150}, {{2}}}, {{1, 2}}, longInterval},
        // Total timeouts pass with no byte; the reader must still read afterwards.
        R{"AnEmptyTotalTimeoutKeepsReading", 100, {{{}, 150}, {{7, 8}}}, {{7, 8}}, totalTimeout},
        R{"NullBytesAreDroppedWhenAskedTo", 30, {{{0, 1, 0, 0, 2}}}, {{1, 2}}, dropNulls}),
    [](const testing::TestParamInfo<ReceiveCase>& info) { return info.param.name; });

TEST(Receiving, AHandlerMayReopenThePortAndRunANestedLoopAndKeepsItsBuffer) {
    OpenPort port;
    port.comm.OpenComm();
    Chunks order;
    port.comm.OnReceiveData = [&](TComm* sender, const std::uint8_t* buffer, std::uint16_t n) {
        const std::vector<std::uint8_t> chunk(buffer, buffer + n);
        order.push_back(chunk);
        if (chunk.front() == 1) {
            // Read and posted before the reopen, the next chunk is still delivered, and before
            // this handler returns when it runs a nested event loop, as a message box does.
            port.peer.write({2});
            std::this_thread::sleep_for(std::chrono::milliseconds(200));
            sender->CloseComm();
            sender->OpenComm();
            EXPECT_TRUE(waitFor([&] { return order.size() == 2; }));
            EXPECT_EQ(std::vector<std::uint8_t>(buffer, buffer + n), chunk);
        }
    };
    port.peer.write(pattern(27, 1));
    ASSERT_TRUE(waitFor([&] { return order.size() == 2; }));
    EXPECT_EQ(order, (Chunks{pattern(27, 1), {2}}));
}

// The reply awaited starts as its request goes out and ends by that request's rule, the port
// left open: a late identity before it, whole but not delivered yet, the start of another in
// the reader's hands and its next byte in the device, never runs into it. Here only a whole reply
// ends a chunk. The identity's rule also tells how far the reader has got: it is asked about every
// byte the reader takes.
TEST(Receiving, AReplyStartsWithItsRequestAndEndsByItsRuleWithoutAReopen) {
    std::atomic<std::size_t> wholes{0};
    std::atomic<std::size_t> inHand{0};
    OpenPort port(60000);
    port.comm.startReply([&, end = replyEnding(ReplyEnd::WhenWhole, Command::Identity, SingleRead)](
                             std::span<const std::uint8_t> got) {
        inHand = got.size();
        const bool whole = end(got);
        wholes += whole ? 1 : 0;
        return whole;
    });
    port.comm.OpenComm();
    const Bytes identity = readReply(Command::Identity, Bytes(kIdentityLength, 7));
    port.peer.write(identity);
    ASSERT_TRUE(waitFor([&] { return port.events.chunks.size() == 1; }));
    const auto taken = [&](const std::function<bool()>& done) {
        const auto limit = std::chrono::steady_clock::now() + std::chrono::seconds(10);
        while (!done() && std::chrono::steady_clock::now() < limit) {
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
    };
    port.peer.write(identity);
    taken([&] { return wholes == 2; });
    port.peer.write(Bytes(identity.begin(), identity.begin() + 5));
    taken([&] { return inHand == 5; });
    port.peer.write({0x51}); // and one still on its way in
    port.comm.startReply(replyEnding(ReplyEnd::WhenWhole, Command::FirmwareText, SingleRead));
    const Bytes firmware = readReply(Command::FirmwareText, Bytes{'V', '2', '.', '1'});
    port.peer.write(firmware);
    ASSERT_TRUE(waitFor([&] { return port.events.chunks.size() >= 2; }));
    EXPECT_EQ(port.events.chunks, (Chunks{identity, firmware}));
}

// A pseudo-terminal keeps no UART counters, so this one device property is faked: the counters
// a real adapter's driver keeps for line errors and modem lines. Each step changes several at
// once, as one interrupt of the UART does.
struct LineEvent {
    void (*happen)(serial_icounter_struct&);
    std::uint32_t lineErrors;
    std::uint32_t modemEvents;
};

TEST(Receiving, LineErrorsAndModemChangesAreReportedAndReadingGoesOn) {
    std::mutex mutex;
    serial_icounter_struct counters{};
    counters.frame = 3; // counts from before the open are history, not news
    int looks = 0;      // the reader looks once each time it wakes
    SerialSystem system = SerialSystem::real();
    system.lineCounters = [&](int, serial_icounter_struct* c) {
        const std::lock_guard lock(mutex);
        *c = counters;
        return ++looks, 0;
    };
    PtyPeer peer;
    TComm comm(nullptr, system);
    CommRecorder events(comm);
    comm.setCommName(peer.path());
    // Empty reads timing out all along: the reader must sleep until each ends, not spin at its end.
    comm.setReadTotalTimeoutConstant(20);
    const auto opened = std::chrono::steady_clock::now();
    comm.OpenComm();
    for (const LineEvent& step : {
             LineEvent{[](auto& c) { ++c.frame; }, LineError::Framing, 0},
             LineEvent{[](auto& c) { c.parity += 1, c.overrun += 1; },
                       LineError::Parity | LineError::Overrun, 0},
             LineEvent{[](auto& c) { c.brk += 1, c.buf_overrun += 1; },
                       LineError::Break | LineError::ReceiveQueueOverflow, 0},
             LineEvent{[](auto& c) { ++c.dcd; }, 0, ModemEvent::CarrierDetect},
             LineEvent{[](auto& c) { c.rng += 1, c.dcd += 1; }, 0,
                       ModemEvent::Ring | ModemEvent::CarrierDetect},
         }) {
        QTest::qWait(80);
        events.lineErrors.clear();
        events.modemEvents.clear();
        {
            const std::lock_guard lock(mutex);
            step.happen(counters);
        }
        ASSERT_TRUE(waitFor([&] { return events.lineErrors.size() + events.modemEvents.size(); }));
        QTest::qWait(80);
        EXPECT_EQ(events.lineErrors,
                  std::vector<std::uint32_t>(step.lineErrors != 0, step.lineErrors));
        EXPECT_EQ(events.modemEvents,
                  std::vector<std::uint32_t>(step.modemEvents != 0, step.modemEvents));
    }
    peer.write({9});
    ASSERT_TRUE(waitFor([&] { return !events.chunks.empty(); }));
    EXPECT_EQ(events.hangups, 0);
    const std::lock_guard lock(mutex);
    EXPECT_LT(looks, (std::chrono::steady_clock::now() - opened) / std::chrono::milliseconds(5));
}

} // namespace
} // namespace morvent
