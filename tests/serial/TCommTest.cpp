#include "TComm.h"
#include "CommRecorder.h"
#include "ProcessProbes.h"
#include "PtyPeer.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/file.h>
#include <termios.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <thread>

namespace morvent {
namespace {

using test::CommRecorder;
using test::PtyPeer;
using test::waitFor;

std::string openFailure(TComm& comm) {
    try {
        comm.OpenComm();
    } catch (const ECommsError& e) {
        return e.what();
    }
    return "opened";
}

TEST(TComm, ConstructorDefaults) {
    TComm comm;
    EXPECT_EQ(comm.ComHandle(), 0u);
    EXPECT_EQ(comm.CommName(), "COM2");
    EXPECT_EQ(comm.BaudRate(), 9600u);
    EXPECT_FALSE(comm.ParityCheck());
    EXPECT_TRUE(comm.Outx_CtsFlow());
    EXPECT_TRUE(comm.Outx_DsrFlow());
    EXPECT_EQ(comm.DtrControl(), TDtrControl::DtrEnable);
    EXPECT_FALSE(comm.DsrSensitivity());
    EXPECT_TRUE(comm.TxContinueOnXoff());
    EXPECT_FALSE(comm.Outx_XonXoffFlow());
    EXPECT_FALSE(comm.Inx_XonXoffFlow());
    EXPECT_FALSE(comm.ReplaceWhenParityError());
    EXPECT_FALSE(comm.IgnoreNullChar());
    EXPECT_EQ(comm.RtsControl(), TRtsControl::RtsEnable);
    EXPECT_EQ(comm.XonLimit(), 10);
    EXPECT_EQ(comm.XoffLimit(), 10);
    EXPECT_EQ(comm.ByteSize(), TByteSize::_8);
    EXPECT_EQ(comm.Parity(), TParity::None);
    EXPECT_EQ(comm.StopBits(), TStopBits::_1);
    EXPECT_EQ(comm.XonChar(), 0x11);
    EXPECT_EQ(comm.XoffChar(), 0x13);
    EXPECT_EQ(comm.ReplacedChar(), 0x00);
    EXPECT_EQ(comm.ReadIntervalTimeout(), 10u);
    EXPECT_EQ(comm.ReadTotalTimeoutMultiplier(), 0u);
    EXPECT_EQ(comm.ReadTotalTimeoutConstant(), 0u);
    EXPECT_EQ(comm.WriteTotalTimeoutMultiplier(), 0u);
    EXPECT_EQ(comm.WriteTotalTimeoutConstant(), 0u);
}

TEST(TComm, DevicePathOfBareNamesAndPaths) {
    EXPECT_EQ(TComm::devicePath("ttyUSB0"), "/dev/ttyUSB0");
    EXPECT_EQ(TComm::devicePath("/dev/pts/3"), "/dev/pts/3");
    EXPECT_EQ(TComm::devicePath("/tmp/x"), "/tmp/x");
}

TEST(TComm, RoundTripBothWays) {
    PtyPeer peer;
    TComm comm;
    CommRecorder events(comm);
    comm.setCommName(peer.path());
    comm.setReadIntervalTimeout(50);
    comm.OpenComm();
    EXPECT_NE(comm.ComHandle(), 0u);

    const std::vector<std::uint8_t> request{0x11, 0x52};
    ASSERT_TRUE(comm.SendData(request.data(), 2));
    EXPECT_EQ(peer.read(2), request);

    const auto reply = test::pattern(27);
    peer.write(reply);
    ASSERT_TRUE(waitFor([&] { return !events.chunks.empty(); }));
    EXPECT_EQ(events.chunks.front(), reply);
    comm.CloseComm();
    EXPECT_EQ(comm.ComHandle(), 0u);
}

// Every way of failing leaves the component closed, with nothing held, and ready for a next
// OpenComm that succeeds.
struct OpenFailure {
    const char* name;
    const char* message;
    std::function<void(SerialSystem&)> breakSystem;
    std::function<std::string(const PtyPeer&)> target;
};

class TCommOpenFailure : public testing::TestWithParam<OpenFailure> {};

TEST_P(TCommOpenFailure, LeavesItClosedAndReusable) {
    const OpenFailure& failure = GetParam();
    PtyPeer peer;
    SerialSystem system = SerialSystem::real();
    if (failure.breakSystem) {
        failure.breakSystem(system);
    }
    bool healthy = false;
    SerialSystem switchable = system;
    const SerialSystem& real = SerialSystem::real();
    // The broken calls hold until healthy is set, so the same component can then succeed.
    switchable.getAttributes = [&](int fd, termios* t) {
        return healthy ? real.getAttributes(fd, t) : system.getAttributes(fd, t);
    };
    switchable.createEvent = [&] { return healthy ? real.createEvent() : system.createEvent(); };
    switchable.startThread = [&](std::thread& t, std::function<void()> body, const char* name) {
        return healthy ? real.startThread(t, std::move(body), name)
                       : system.startThread(t, std::move(body), name);
    };

    {
        TComm comm(nullptr, switchable);
        const int descriptors = test::openDescriptorCount();
        const int threads = test::threadCount();
        comm.setCommName(failure.target(peer));
        EXPECT_EQ(openFailure(comm), failure.message);
        EXPECT_EQ(comm.ComHandle(), 0u);
        EXPECT_FALSE(comm.SendData(reinterpret_cast<const std::uint8_t*>("x"), 1));
        EXPECT_EQ(test::openDescriptorCount(), descriptors);
        EXPECT_EQ(test::threadCount(), threads);

        healthy = true;
        comm.setCommName(peer.path());
        comm.OpenComm();
        EXPECT_NE(comm.ComHandle(), 0u);
        comm.CloseComm();
        EXPECT_EQ(test::openDescriptorCount(), descriptors);
    }
}

std::string pty(const PtyPeer& peer) {
    return peer.path();
}

void PrintTo(const OpenFailure& failure, std::ostream* os) {
    *os << failure.name;
}

INSTANTIATE_TEST_SUITE_P(
    Steps, TCommOpenFailure,
    testing::Values(
        OpenFailure{"Missing", "Error opening serial port", nullptr,
                    [](const PtyPeer&) { return std::string("/dev/morvent-no-such-port"); }},
        OpenFailure{"BareMissing", "Error opening serial port", nullptr,
                    [](const PtyPeer&) { return std::string("ttyMorventMissing"); }},
        OpenFailure{"Directory", "Error opening serial port", nullptr,
                    [](const PtyPeer&) { return std::string("/tmp"); }},
        OpenFailure{"DevNull", "File handle is not a comm handle ", nullptr,
                    [](const PtyPeer&) { return std::string("/dev/null"); }},
        OpenFailure{"RegularFile", "File handle is not a comm handle ", nullptr,
                    [](const PtyPeer&) {
                        const auto path =
                            std::filesystem::temp_directory_path() / "morvent-not-a-port";
                        std::ofstream(path) << "x";
                        return path.string();
                    }},
        OpenFailure{"SetupFails", "Cannot setup comm buffer",
                    [](SerialSystem& s) {
                        s.getAttributes = [](int, termios*) {
                            errno = EIO;
                            return -1;
                        };
                    },
                    pty},
        OpenFailure{"NoEvent", "Unable to create event",
                    [](SerialSystem& s) { s.createEvent = [] { return -1; }; }, pty},
        OpenFailure{"NoReader", "Unable to create read thread",
                    [](SerialSystem& s) {
                        s.startThread = [](std::thread& t, std::function<void()> body,
                                           const char* name) {
                            return std::string(name) != "comm-reader" &&
                                   SerialSystem::real().startThread(t, std::move(body), name);
                        };
                    },
                    pty},
        OpenFailure{"NoWriterThread", "Unable to create write thread",
                    [](SerialSystem& s) {
                        s.startThread = [](std::thread& t, std::function<void()> body,
                                           const char* name) {
                            return std::string(name) != "comm-writer" &&
                                   SerialSystem::real().startThread(t, std::move(body), name);
                        };
                    },
                    pty},
        OpenFailure{"NoWriterQueue", "Unable to create write thread",
                    [](SerialSystem& s) {
                        // The stop event is the first event made; the writer's queue the second.
                        auto made = std::make_shared<int>(0);
                        s.createEvent = [made] {
                            return ++*made % 2 == 0 ? -1 : SerialSystem::real().createEvent();
                        };
                    },
                    pty}),
    [](const testing::TestParamInfo<OpenFailure>& info) { return info.param.name; });

TEST(TComm, OpeningTwiceFailsAndLeavesThePortAsItWas) {
    PtyPeer peer;
    TComm comm;
    CommRecorder events(comm);
    comm.setCommName(peer.path());
    comm.setReadIntervalTimeout(30);
    comm.OpenComm();
    const auto handle = comm.ComHandle();

    EXPECT_EQ(openFailure(comm), "This serial port already opened");
    EXPECT_EQ(comm.ComHandle(), handle);
    peer.write({1, 2, 3});
    ASSERT_TRUE(waitFor([&] { return !events.chunks.empty(); }));
    EXPECT_EQ(events.received(), (std::vector<std::uint8_t>{1, 2, 3}));
}

TEST(TComm, APortInUseIsRefused) {
    PtyPeer peer;
    TComm first;
    first.setCommName(peer.path());
    first.OpenComm();

    TComm second;
    second.setCommName(peer.path());
    EXPECT_EQ(openFailure(second), "Error opening serial port");
    EXPECT_EQ(second.ComHandle(), 0u);

    first.CloseComm();
    second.OpenComm();
    EXPECT_NE(second.ComHandle(), 0u);
}

TEST(TComm, APortLockedByAnotherProgramIsRefused) {
    PtyPeer peer;
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        const int fd = ::open(peer.path().c_str(), O_RDWR | O_NOCTTY);
        flock(fd, LOCK_EX);
        pause();
        _exit(0);
    }
    TComm comm;
    comm.setCommName(peer.path());
    // The child may not have its lock yet; the first refusal is the answer.
    std::string outcome;
    for (int i = 0; i < 200 && outcome != "Error opening serial port"; ++i) {
        outcome = openFailure(comm);
        comm.CloseComm();
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    kill(child, SIGKILL);
    waitpid(child, nullptr, 0);
    EXPECT_EQ(outcome, "Error opening serial port");
}

TEST(TComm, ClosingAClosedPortDoesNothing) {
    PtyPeer peer;
    TComm comm;
    comm.CloseComm();
    comm.setCommName(peer.path());
    comm.OpenComm();
    comm.CloseComm();
    comm.CloseComm();
    EXPECT_EQ(comm.ComHandle(), 0u);
    comm.OpenComm();
    EXPECT_NE(comm.ComHandle(), 0u);
}

TEST(TComm, SendDataRefusesWhenClosedOrEmpty) {
    PtyPeer peer;
    TComm comm;
    const std::uint8_t byte = 0x11;
    EXPECT_FALSE(comm.SendData(&byte, 1));
    comm.setCommName(peer.path());
    comm.OpenComm();
    EXPECT_FALSE(comm.SendData(&byte, 0));
    EXPECT_TRUE(comm.SendData(&byte, 1));
    EXPECT_EQ(peer.read(1), std::vector<std::uint8_t>{0x11});
    comm.CloseComm();
    EXPECT_FALSE(comm.SendData(&byte, 1));
}

TEST(TComm, ThousandOpenCloseCyclesLeaveNothingBehind) {
    PtyPeer peer;
    TComm comm;
    comm.setCommName(peer.path());
    comm.OpenComm();
    comm.CloseComm();
    test::settle(10);
    const int descriptors = test::openDescriptorCount();
    const int threads = test::threadCount();
    for (int i = 0; i < 1000; ++i) {
        comm.OpenComm();
        comm.CloseComm();
    }
    test::settle(10);
    EXPECT_EQ(test::openDescriptorCount(), descriptors);
    EXPECT_EQ(test::threadCount(), threads);
}

TEST(TComm, DestroyingAnOpenComponentStopsItsWorkers) {
    PtyPeer peer;
    const int threads = test::threadCount();
    const int descriptors = test::openDescriptorCount();
    {
        TComm comm;
        comm.setCommName(peer.path());
        comm.OpenComm();
        EXPECT_EQ(test::threadCount(), threads + 2);
    }
    EXPECT_EQ(test::threadCount(), threads);
    EXPECT_EQ(test::openDescriptorCount(), descriptors);
}

TEST(TComm, BaudRateIsAppliedAtOnceWhileOpenAndStoredWhileClosed) {
    PtyPeer peer;
    TComm comm;
    comm.setCommName(peer.path());
    comm.setBaudRate(1200);
    const termios own = peer.lineSettings();
    termios line = own;
    EXPECT_NE(cfgetospeed(&line), B1200);

    comm.OpenComm();
    line = peer.lineSettings();
    EXPECT_EQ(cfgetospeed(&line), B1200);

    comm.setBaudRate(9600);
    line = peer.lineSettings();
    EXPECT_EQ(cfgetospeed(&line), B9600);
    EXPECT_EQ(cfgetispeed(&line), B9600);

    // Closed, the device has its own settings back; the new rate waits for the next open.
    comm.CloseComm();
    comm.setBaudRate(19200);
    line = peer.lineSettings();
    EXPECT_EQ(cfgetospeed(&line), cfgetospeed(&own));
    comm.OpenComm();
    line = peer.lineSettings();
    EXPECT_EQ(cfgetospeed(&line), B19200);
}

TEST(TComm, OtherLineSettingsAreAppliedAtOnceWhileOpen) {
    // (Pseudo-terminals keep no parity bits, so stop bits stand in for the line flags here.)
    PtyPeer peer;
    TComm comm;
    comm.setCommName(peer.path());
    comm.OpenComm();
    EXPECT_EQ(peer.lineSettings().c_cflag & CSTOPB, 0u);
    comm.setStopBits(TStopBits::_2);
    EXPECT_NE(peer.lineSettings().c_cflag & CSTOPB, 0u);
    comm.CloseComm();
    comm.setStopBits(TStopBits::_1);
    EXPECT_EQ(peer.lineSettings().c_cflag & CSTOPB, 0u);
    comm.setStopBits(TStopBits::_2);
    EXPECT_EQ(peer.lineSettings().c_cflag & CSTOPB, 0u);
}

TEST(TComm, AnOpenLineCarriesRawBytes) {
    PtyPeer peer;
    TComm comm;
    CommRecorder events(comm);
    comm.setCommName(peer.path());
    comm.setOutx_CtsFlow(false);
    comm.setReadIntervalTimeout(30);
    comm.OpenComm();

    // Bytes a line in cooked mode would eat or change: XON/XOFF, CR, LF, ^C, ^D, DEL, 0x00, 0xFF.
    const std::vector<std::uint8_t> awkward{0x11, 0x13, 0x0D, 0x0A, 0x03, 0x04, 0x7F, 0x00, 0xFF};
    ASSERT_TRUE(comm.SendData(awkward.data(), static_cast<std::uint16_t>(awkward.size())));
    EXPECT_EQ(peer.read(awkward.size()), awkward);
    peer.write(awkward);
    ASSERT_TRUE(waitFor([&] { return events.received().size() >= awkward.size(); }));
    EXPECT_EQ(events.received(), awkward);
}

} // namespace
} // namespace morvent
