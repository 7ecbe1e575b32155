// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

// The Windows serial component under Wine, on a COM port that is a pseudo-terminal: its far end
// is pty_link, a Linux program this test starts (MORVENT_PTY_LINK) and speaks to over a
// connection on 127.0.0.1, since Wine hands no pipe to a Linux program.

#include "CommRecorder.h"
#include "ConnectionHelp.h"
#include "PortList.h"
#include "SimulatedController.h"
#include "TComm.h"
#include "Wait.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <winsock2.h>

#include <windows.h>

#include <atomic>
#include <numeric>
#include <optional>
#include <span>
#include <thread>

namespace morvent {
namespace {

using namespace test;
using Bytes = std::vector<std::uint8_t>;

// The far end of a COM port; closing the connection (hangUp, or the end of this object) takes
// the line away.
class PtyLink {
public:
    PtyLink() {
        WSADATA data;
        ::WSAStartup(MAKEWORD(2, 2), &data);
        const SOCKET listener = ::socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
        sockaddr_in address{};
        address.sin_family = AF_INET;
        address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
        int size = sizeof address;
        ::bind(listener, reinterpret_cast<sockaddr*>(&address), size);
        ::listen(listener, 1);
        ::getsockname(listener, reinterpret_cast<sockaddr*>(&address), &size);
        QProcess::startDetached(qEnvironmentVariable("MORVENT_PTY_LINK"),
                                {QString::number(ntohs(address.sin_port))});
        fd_set ready;
        FD_ZERO(&ready);
        FD_SET(listener, &ready);
        timeval limit{10, 0};
        if (::select(0, &ready, nullptr, nullptr, &limit) == 1) {
            m_socket = ::accept(listener, nullptr, nullptr);
        }
        ::closesocket(listener);
        u_long nonBlocking = 1;
        ::ioctlsocket(m_socket, FIONBIO, &nonBlocking);
        // "COM12 /dev/pts/3", or why there is none.
        waitFor([this] { return take(), m_in.contains('\n'); });
        const qsizetype end = m_in.indexOf('\n');
        m_greeting = QString::fromUtf8(m_in.left(end));
        m_in.remove(0, end + 1);
        if (!m_greeting.startsWith(QStringLiteral("COM"))) {
            m_greeting.prepend(QStringLiteral("pty_link: "));
        }
    }
    ~PtyLink() {
        hangUp();
        ::WSACleanup();
    }
    PtyLink(const PtyLink&) = delete;
    PtyLink& operator=(const PtyLink&) = delete;

    // "COM12", or empty when pty_link did not answer as it should.
    QString port() const {
        return m_greeting.startsWith(QStringLiteral("COM")) ? m_greeting.section(' ', 0, 0)
                                                            : QString();
    }
    // The port, or what went wrong instead.
    const QString& greeting() const { return m_greeting; }

    void write(const Bytes& bytes) {
        ::send(m_socket, reinterpret_cast<const char*>(bytes.data()),
               static_cast<int>(bytes.size()), 0);
    }
    // What came from the line until `count` bytes are in or the wait's limit passes.
    Bytes read(std::size_t count) {
        waitFor([&] { return take(), static_cast<std::size_t>(m_in.size()) >= count; });
        const Bytes got(m_in.begin(), m_in.end());
        m_in.clear();
        return got;
    }
    void hangUp() {
        if (m_socket != INVALID_SOCKET) {
            ::closesocket(m_socket);
            m_socket = INVALID_SOCKET;
        }
    }

private:
    void take() {
        char buffer[4096];
        for (int n; (n = ::recv(m_socket, buffer, sizeof buffer, 0)) > 0;) {
            m_in.append(buffer, n);
        }
    }

    SOCKET m_socket = INVALID_SOCKET;
    QByteArray m_in;
    QString m_greeting;
};

// A component on a linked port, its events recorded.
struct LinkedPort {
    PtyLink link;
    TComm comm;
    CommRecorder events{comm};

    LinkedPort() {
        comm.setCommName(link.port().toStdString());
        comm.setReadIntervalTimeout(20);
    }
    bool send(const Bytes& bytes) {
        return comm.SendData(bytes.data(), static_cast<std::uint16_t>(bytes.size()));
    }
    // The far end's XOFF, on a port opened with XON/XOFF flow for its output, holds what the
    // writer writes from now on; a byte after it shows that it has come.
    void holdLine() {
        link.write({0x13, 0x42});
        ASSERT_TRUE(waitFor([&] { return events.chunks == Chunks{{0x42}}; }));
        events.chunks.clear();
    }
};

template <typename Base> class Linked : public Base {
protected:
    void SetUp() override {
        if (qEnvironmentVariableIsEmpty("MORVENT_PTY_LINK")) {
            GTEST_SKIP() << "MORVENT_PTY_LINK does not name the Linux pty_link program, which "
                            "gives these tests a COM port under Wine";
        }
        port.emplace();
        ASSERT_FALSE(port->link.port().isEmpty()) << port->link.greeting().toStdString();
    }
    std::optional<LinkedPort> port;
};
using WindowsComm = Linked<testing::Test>;

Bytes pattern(std::size_t size, std::uint8_t first = 0) {
    Bytes bytes(size);
    std::iota(bytes.begin(), bytes.end(), first);
    return bytes;
}

// The error's text and the help shown after it.
std::pair<std::string, QString> openFailure(TComm& comm) {
    try {
        comm.OpenComm();
    } catch (const ECommsError& e) {
        return {e.what(), openFailureHelp(TComm::devicePath(comm.CommName()), e.systemError())};
    }
    return {"opened", {}};
}

TEST_F(WindowsComm, OpensThePortForItselfAloneAndClosesAndReopensIt) {
    TComm& comm = port->comm;
    const QString name = port->link.port();
    EXPECT_EQ(TComm::devicePath(name.toStdString()), "\\\\.\\" + name.toStdString());
    EXPECT_FALSE(port->send({0x11}));
    comm.OpenComm();
    EXPECT_NE(comm.ComHandle(), 0u);
    EXPECT_EQ(openFailure(comm).first, "This serial port already opened");

    // As typed in the device namespace, the same port: taken.
    TComm second;
    second.setCommName("\\\\.\\" + name.toStdString());
    const auto [message, help] = openFailure(second);
    EXPECT_EQ(message, "Error opening serial port");
    EXPECT_TRUE(help.startsWith(name + " is in use by another program")) << help.toStdString();

    comm.CloseComm();
    comm.CloseComm();
    EXPECT_EQ(comm.ComHandle(), 0u);
    EXPECT_FALSE(port->send({0x11}));
    second.OpenComm();
    second.CloseComm();
    comm.OpenComm();
    ASSERT_TRUE(port->send({0x11, 0x52}));
    EXPECT_EQ(port->link.read(2), (Bytes{0x11, 0x52}));
    EXPECT_EQ(port->events.hangups, 0);
}

TEST(WindowsCommOpen, FailuresSayWhatIsWrongAndLeaveThePortClosed) {
    // Closed, not shared with anybody: it opens, and is no port.
    QTemporaryDir folder;
    QFile file(folder.filePath(QStringLiteral("file")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.close();
    const std::string notAPort =
        "\\\\.\\" + QDir::toNativeSeparators(file.fileName()).toStdString();
    for (const auto& [name, message, help] : {
             std::tuple<std::string, std::string, QString>{"COM999", "Error opening serial port",
                                                           "There is no COM999 on this computer."},
             {notAPort, "File handle is not a comm handle ", "is not a serial port."},
         }) {
        TComm comm;
        comm.setCommName(name);
        const auto [said, explained] = openFailure(comm);
        EXPECT_EQ(said, message);
        EXPECT_TRUE(explained.contains(help)) << explained.toStdString();
        EXPECT_EQ(comm.ComHandle(), 0u);
        EXPECT_FALSE(comm.SendData(reinterpret_cast<const std::uint8_t*>("x"), 1));
    }
}

TEST_F(WindowsComm, BytesGoBothWaysWholeAndInOrder) {
    port->comm.setOutx_XonXoffFlow(true);
    port->comm.OpenComm();
    EXPECT_FALSE(port->send({}));
    // Once when the writer first finds its queue empty, once more when the buffers are out.
    ASSERT_TRUE(waitFor([&] { return port->events.emptyQueues == 1; }));
    port->holdLine();
    const Bytes a = pattern(5000, 1);
    const Bytes b = pattern(2, 2);
    const Bytes c = pattern(65535, 3);
    ASSERT_TRUE(port->send(a) && port->send(b) && port->send(c));
    port->link.write({0x11});
    Bytes sent = a;
    sent.insert(sent.end(), b.begin(), b.end());
    sent.insert(sent.end(), c.begin(), c.end());
    EXPECT_EQ(port->link.read(sent.size()), sent);
    ASSERT_TRUE(waitFor([&] { return port->events.emptyQueues == 2; }));

    // At once, while open: XON and XOFF are bytes like any others again.
    port->comm.setOutx_XonXoffFlow(false);
    const Bytes back = pattern(300, 7);
    port->link.write(back);
    Bytes received;
    ASSERT_TRUE(waitFor([&] {
        received.clear();
        for (const Bytes& chunk : port->events.chunks) {
            received.insert(received.end(), chunk.begin(), chunk.end());
        }
        return received.size() >= back.size();
    }));
    EXPECT_EQ(received, back);
    EXPECT_EQ(port->events.emptyQueues, 2);
}

// Bytes the far end writes, each part followed by a pause, and the chunks the handler gets.
struct Part {
    Bytes bytes;
    int pauseMs = 0;
};

struct ReceiveCase {
    const char* name;
    std::uint32_t interval;
    bool wholeAtThree; // a reply is whole once three bytes are in
    std::vector<Part> parts;
    Chunks chunks;
};

class Receiving : public Linked<testing::TestWithParam<ReceiveCase>> {};

TEST_P(Receiving, ChunksEndByTheIntervalAFullBufferOrAWholeReply) {
    const ReceiveCase& row = GetParam();
    port->comm.setReadIntervalTimeout(row.interval);
    if (row.wholeAtThree) {
        port->comm.setReplyComplete(
            [](std::span<const std::uint8_t> in) { return in.size() >= 3; });
    }
    port->comm.OpenComm();
    for (const Part& part : row.parts) {
        port->link.write(part.bytes);
        std::this_thread::sleep_for(std::chrono::milliseconds(part.pauseMs));
    }
    ASSERT_TRUE(waitFor([&] { return port->events.chunks.size() >= row.chunks.size(); }));
    QTest::qWait(150);
    EXPECT_EQ(port->events.chunks, row.chunks);
    EXPECT_EQ(port->events.hangups, 0);
}

const Bytes kFlood = pattern(3000);

INSTANTIATE_TEST_SUITE_P(
    Timeouts, Receiving,
    testing::Values(ReceiveCase{"APauseLongerThanTheIntervalEndsAReply",
                                100,
                                false,
                                {{{1, 2}, 300}, {{3}}},
                                {{1, 2}, {3}}},
                    ReceiveCase{"AtMost1024BytesAChunk",
                                100,
                                false,
                                {{kFlood}},
                                {{kFlood.begin(), kFlood.begin() + 1024},
                                 {kFlood.begin() + 1024, kFlood.begin() + 2048},
                                 {kFlood.begin() + 2048, kFlood.end()}}},
                    // The interval would take longer than the wait's limit.
                    ReceiveCase{"AWholeReplyEndsAtOnce", 60000, true, {{{1, 2, 3}}}, {{1, 2, 3}}},
                    ReceiveCase{
                        "AReplyThatStopsShortEndsByTheInterval", 100, true, {{{1, 2}}}, {{1, 2}}}),
    [](const testing::TestParamInfo<ReceiveCase>& info) { return info.param.name; });

// The reply awaited starts as its request goes out and ends by that request's rule, the port
// left open, and one opened without a rule takes it up: the start of a late reply in the
// reader's hands never runs into it. Only a whole reply ends a chunk here, which the device's
// own timeouts, with this interval, would never do in time.
TEST_F(WindowsComm, AReplyStartsWithItsRequestAndEndsByItsRuleWithoutAReopen) {
    std::atomic<std::size_t> inHand{0};
    port->comm.setReadIntervalTimeout(60000);
    port->comm.OpenComm();
    port->comm.startReply([&](std::span<const std::uint8_t> got) {
        inHand = got.size();
        return got.size() >= 4;
    });
    port->link.write({1, 2, 3, 4});
    ASSERT_TRUE(waitFor([&] { return port->events.chunks.size() == 1; }));
    port->link.write({7, 7});
    ASSERT_TRUE(waitFor([&] { return inHand == 2; }));
    port->comm.startReply([](std::span<const std::uint8_t> got) { return got.size() >= 3; });
    port->link.write({5, 6, 8});
    ASSERT_TRUE(waitFor([&] { return port->events.chunks.size() >= 2; }));
    EXPECT_EQ(port->events.chunks, (Chunks{{1, 2, 3, 4}, {5, 6, 8}}));
}

TEST_F(WindowsComm, AHandlerMayReopenThePortAndRunANestedLoop) {
    port->comm.OpenComm();
    Chunks order;
    port->comm.OnReceiveData = [&](TComm* sender, const std::uint8_t* buffer, std::uint16_t n) {
        order.emplace_back(buffer, buffer + n);
        if (order.size() == 1) {
            // Read and posted while this handler runs, the next chunk is still delivered, and
            // before the handler returns when it runs an event loop of its own, as a message box
            // does.
            port->link.write({2});
            std::this_thread::sleep_for(std::chrono::milliseconds(200));
            sender->CloseComm();
            sender->OpenComm();
            EXPECT_TRUE(waitFor([&] { return order.size() == 2; }));
        }
    };
    port->link.write({1});
    ASSERT_TRUE(waitFor([&] { return order.size() == 2; }));
    EXPECT_EQ(order, (Chunks{{1}, {2}}));
}

TEST_F(WindowsComm, TheFarEndGoingAwayIsAHangUpAfterTheBytesBeforeIt) {
    port->comm.OpenComm();
    port->link.write({5, 6});
    ASSERT_TRUE(waitFor([&] { return !port->events.chunks.empty(); }));
    port->link.hangUp();
    ASSERT_TRUE(waitFor([&] { return port->events.hangups > 0; }));
    EXPECT_EQ(port->events.chunks, (Chunks{{5, 6}}));

    // The writer finds out at its next write, and takes nothing more from then on.
    const int before = port->events.hangups;
    ASSERT_TRUE(port->send({0x11, 0x52}));
    ASSERT_TRUE(waitFor([&] { return port->events.hangups > before; }));
    EXPECT_FALSE(port->send({0x11, 0x52}));
    // The port stays open without its workers until its owner closes it.
    EXPECT_NE(port->comm.ComHandle(), 0u);
}

TEST_F(WindowsComm, ClosingAbandonsAPendingWriteAndTheQueueBehindItWithoutAHangUp) {
    // The writer's first buffer stays pending.
    port->comm.setOutx_XonXoffFlow(true);
    port->comm.OpenComm();
    ASSERT_TRUE(waitFor([&] { return port->events.emptyQueues == 1; }));
    port->holdLine();
    const Bytes c = pattern(65535);
    ASSERT_TRUE(port->send(c) && port->send(c));
    QTest::qWait(50);
    port->comm.CloseComm();
    QTest::qWait(50);
    EXPECT_EQ(port->events.hangups, 0);
    EXPECT_EQ(port->events.emptyQueues, 1);

    port->comm.setOutx_XonXoffFlow(false);
    port->comm.OpenComm();
    ASSERT_TRUE(port->send({0x11, 0x56}));
    EXPECT_EQ(port->link.read(2), (Bytes{0x11, 0x56}));
}

// Windows has no pseudo-terminals: the built-in simulated controller's line is opened by name.
TEST(WindowsSimulatedLine, IsOpenedByNameAloneAndHangsUpWithItsController) {
    SimulatedController sim;
    sim.start();
    TComm comm;
    CommRecorder events(comm);
    comm.setCommName(sim.devicePath());
    comm.setReadIntervalTimeout(100);
    comm.OpenComm();
    TComm second;
    second.setCommName(sim.devicePath());
    EXPECT_EQ(openFailure(second).first, "Error opening serial port");

    const std::uint8_t basicRead[] = {0x11, 0x52};
    ASSERT_TRUE(comm.SendData(basicRead, 2));
    ASSERT_TRUE(waitFor([&] { return !events.chunks.empty(); }));
    ASSERT_EQ(events.chunks.size(), 1u);
    EXPECT_EQ(events.chunks[0].size(), 27u);
    EXPECT_EQ(events.chunks[0].front(), 0x52);
    sim.hangUp();
    EXPECT_TRUE(waitFor([&] { return events.hangups == 1; }));
}

TEST(WindowsPorts, TheRegistrysPortsComeInTheOrderOfTheirNumbers) {
    HKEY key = nullptr;
    ASSERT_EQ(::RegCreateKeyExW(HKEY_LOCAL_MACHINE, L"HARDWARE\\DEVICEMAP\\SERIALCOMM", 0, nullptr,
                                REG_OPTION_VOLATILE, KEY_ALL_ACCESS, nullptr, &key, nullptr),
              ERROR_SUCCESS);
    // Of this process alone: a test running beside it adds and removes its own.
    const QString own = QString::number(::GetCurrentProcessId());
    const QString com9 = "COM9-" + own;
    const QString com10 = "COM10-" + own;
    const std::vector<std::pair<std::wstring, QString>> added{
        {(R"(\Device\morvent)" + own + "a").toStdWString(), com10},
        {(R"(\Device\morvent)" + own + "b").toStdWString(), com9}};
    for (const auto& [value, port] : added) {
        const std::wstring data = port.toStdWString();
        ::RegSetValueExW(key, value.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(data.c_str()),
                         static_cast<DWORD>((data.size() + 1) * sizeof(wchar_t)));
    }
    const std::vector<PortEntry> ports = systemSerialPorts();
    for (const auto& [value, port] : added) {
        ::RegDeleteValueW(key, value.c_str());
    }
    ::RegCloseKey(key);
    QStringList names;
    for (const PortEntry& entry : ports) {
        names << entry.name;
        if (entry.name == com9) {
            EXPECT_EQ(entry.device, "\\\\.\\" + com9);
        }
    }
    EXPECT_GT(names.indexOf(com10), names.indexOf(com9)) << names.join(' ').toStdString();
    EXPECT_GE(names.indexOf(com9), 0);
}

} // namespace
} // namespace morvent
