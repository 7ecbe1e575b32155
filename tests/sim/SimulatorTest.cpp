// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

// The simulated controller's own checks. The window, fault and command-line tests stand on its
// model; here only its executable, spoken to over its pseudo-terminal as the tool speaks to a
// port, and what its starts and stops leave behind.

#include "BlockRules.h"
#include "Children.h"
#include "ProcessProbes.h"
#include "SimulatedController.h"
#include "Wait.h"

#include <gtest/gtest.h>

#include <csignal>
#include <fcntl.h>
#include <poll.h>
#include <system_error>
#include <termios.h>
#include <thread>
#include <unistd.h>
#include <utility>

namespace morvent {
namespace {

// Long enough never to be reached on a loaded machine; only there to turn a hang into a failure.
constexpr int kGuardMs = 10'000;

// The tool's end of the line, raw at 9600 baud as the serial component sets it.
int openToolEnd(const std::string& path) {
    const int fd = ::open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        throw std::system_error(errno, std::generic_category(), "open " + path);
    }
    termios settings{};
    ::tcgetattr(fd, &settings);
    ::cfmakeraw(&settings);
    settings.c_cflag |= CLOCAL | CREAD;
    ::cfsetspeed(&settings, B9600);
    ::tcsetattr(fd, TCSANOW, &settings);
    return fd;
}

// Sends the request and collects `count` bytes of reply, or what came before the guard.
Bytes exchange(int fd, const Bytes& request, std::size_t count) {
    EXPECT_EQ(::write(fd, request.data(), request.size()), static_cast<ssize_t>(request.size()));
    Bytes reply;
    pollfd ready{fd, POLLIN, 0};
    while (reply.size() < count && ::poll(&ready, 1, kGuardMs) == 1) {
        std::uint8_t buffer[256];
        const ssize_t got = ::read(fd, buffer, sizeof buffer);
        if (got <= 0) {
            break;
        }
        reply.insert(reply.end(), buffer, buffer + got);
    }
    return reply;
}

// Whether the line reports a hang-up within the guard.
bool hungUp(int fd) {
    pollfd ready{fd, POLLIN, 0};
    return ::poll(&ready, 1, kGuardMs) == 1 && (ready.revents & POLLHUP) != 0;
}

// morvent-sim run as demo mode or a developer runs it; the first line it prints is its device.
struct SimProcess {
    explicit SimProcess(std::vector<std::string> arguments) {
        int out[2];
        if (::pipe2(out, O_CLOEXEC) != 0) {
            throw std::system_error(errno, std::generic_category(), "pipe2");
        }
        arguments.insert(arguments.begin(), MORVENT_SIM_EXECUTABLE);
        std::vector<char*> argv;
        for (std::string& argument : arguments) {
            argv.push_back(argument.data());
        }
        argv.push_back(nullptr);
        pid = test::forkAsFromAShell();
        if (pid == 0) {
            ::dup2(out[1], STDOUT_FILENO);
            ::execv(argv[0], argv.data());
            ::_exit(127);
        }
        ::close(out[1]);
        output = out[0];
    }
    ~SimProcess() {
        if (pid > 0) {
            ::kill(pid, SIGKILL);
            test::endOfChild(pid);
        }
        ::close(output);
    }

    std::string devicePath() {
        std::string text;
        char c = 0;
        pollfd ready{output, POLLIN, 0};
        while (::poll(&ready, 1, kGuardMs) == 1 && ::read(output, &c, 1) == 1 && c != '\n') {
            text += c;
        }
        return text;
    }

    // The exit status after `signal` (none: it ends on its own), or -1 when it did not exit.
    int end(int signal = 0) {
        if (signal != 0) {
            ::kill(pid, signal);
        }
        const int code = test::endOfChild(std::exchange(pid, -1), kGuardMs);
        return code >= 128 ? -1 : code;
    }

    pid_t pid = -1;
    int output = -1;
};

// Started with a few knobs, it answers over its line until a signal hangs the line up or ends
// it; it hangs up on its own when told to at start, and refuses an option it cannot use.
TEST(SimExecutable, ServesItsKnobsOverItsLineUntilTold) {
    {
        SimProcess sim({"--refuse", "throttle-handle:2", "--corrupt-next", "--delay=5",
                        "--firmware", "FW 9", "--seed", "7"});
        const std::string path = sim.devicePath();
        ASSERT_TRUE(path.starts_with("/dev/pts/")) << path;
        const int tool = openToolEnd(path);
        const Bytes basic = readReply(Command::Basic, factoryImage(Command::Basic));
        Bytes spoilt = exchange(tool, readRequest(Command::Basic), basic.size());
        ASSERT_EQ(spoilt.size(), basic.size());
        EXPECT_NE(spoilt.back(), basic.back());
        spoilt.back() = basic.back();
        EXPECT_EQ(spoilt, basic) << "only the first reply's checksum is spoilt";
        EXPECT_EQ(exchange(tool, readRequest(Command::Basic), basic.size()), basic);
        const Bytes throttle = factoryImage(Command::ThrottleHandle);
        EXPECT_EQ(exchange(tool, writeFrame(Command::ThrottleHandle, throttle), 3),
                  writeAcknowledgement(Command::ThrottleHandle, 2));
        EXPECT_EQ(exchange(tool, readRequest(Command::FirmwareText), 7),
                  readReply(Command::FirmwareText, Bytes{'F', 'W', ' ', '9'}));
        ::kill(sim.pid, SIGUSR1);
        EXPECT_TRUE(hungUp(tool));
        ::close(tool);
        EXPECT_EQ(sim.end(SIGTERM), 0);
    }
    SimProcess timed({"--hang-up-after", "300"});
    const std::string path = timed.devicePath();
    // Gone already, on a slow machine, or going.
    const int tool = ::open(path.c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC);
    EXPECT_TRUE(tool < 0 || hungUp(tool));
    ::close(tool);
    EXPECT_EQ(timed.end(SIGINT), 0);
    EXPECT_EQ(SimProcess({"--listen-baud", "4800"}).end(), 2);
}

TEST(SimulatedController, StartsAndStopsWithoutLeavingADescriptorOrThread) {
    // One cycle first: a sanitizer runtime starts its own helper thread with the first thread.
    SimulatedController().start();
    const int descriptors = test::openDescriptorCount();
    const int threads = test::threadCount();
    for (int cycle = 0; cycle < 20; ++cycle) {
        SimulatedController sim(static_cast<std::uint32_t>(cycle));
        sim.start();
        EXPECT_THROW(sim.start(), std::logic_error);
        if (cycle % 4 == 0) {
            const int tool = openToolEnd(sim.devicePath());
            EXPECT_EQ(exchange(tool, readRequest(Command::LiveReadings), 12).size(), 12u);
            ::close(tool);
        }
        if (cycle % 4 == 1) {
            sim.hangUp();
        }
        if (cycle % 2 == 0) {
            sim.stop(); // otherwise the destructor stops it
        }
    }
    EXPECT_EQ(test::openDescriptorCount(), descriptors);
    // Thread ids leave /proc a moment after join() returns.
    EXPECT_TRUE(test::waitFor([&] { return test::threadCount() == threads; }, kGuardMs));
}

} // namespace
} // namespace morvent
