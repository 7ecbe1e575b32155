#include "SimulatedController.h"

#include "BlockRules.h"
#include "ToolEnd.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <csignal>
#include <fcntl.h>
#include <filesystem>
#include <poll.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

namespace morvent {
namespace {

using std::chrono::milliseconds;
using test::eventually;
using test::ToolEnd;

std::size_t entriesIn(const char* directory) {
    std::size_t count = 0;
    for ([[maybe_unused]] const auto& entry : std::filesystem::directory_iterator(directory)) {
        ++count;
    }
    return count;
}

std::size_t bytesReceived(const SimulatedController& sim) {
    return sim.withModel([](const ControllerModel& model) { return model.bytesReceived(); });
}

TEST(SimPty, AnswersEachRequestAlthoughTheToolReopensItsEnd) {
    SimulatedController sim;
    sim.start();
    const std::string text = factoryFirmwareText();
    const std::pair<Bytes, Bytes> exchanges[] = {
        {readRequest(Command::FirmwareText),
         readReply(Command::FirmwareText, Bytes(text.begin(), text.end()))},
        {readRequest(Command::Basic), readReply(Command::Basic, factoryImage(Command::Basic))},
        {readRequest(Command::PedalAssist),
         readReply(Command::PedalAssist, factoryImage(Command::PedalAssist))},
        {readRequest(Command::ThrottleHandle),
         readReply(Command::ThrottleHandle, factoryImage(Command::ThrottleHandle))},
        {readRequest(Command::Torque), readReply(Command::Torque, factoryImage(Command::Torque))},
        {writeFrame(Command::ThrottleHandle, Bytes{5, 45, 1, 2, 0x14, 60}),
         writeAcknowledgement(Command::ThrottleHandle, 6)},
        {readRequest(Command::ThrottleHandle),
         readReply(Command::ThrottleHandle, Bytes{5, 45, 1, 2, 0x14, 60})},
    };
    for (const auto& [request, reply] : exchanges) {
        ToolEnd tool(sim.devicePath());
        tool.send(request);
        EXPECT_EQ(tool.receive(reply.size()), reply) << testing::PrintToString(request);
    }
    // The count goes up once the last byte is written, which may be after the tool has read it.
    EXPECT_TRUE(eventually([&] { return sim.repliesSent() == std::size(exchanges); }));
}

TEST(SimPty, ConnectRequestIsUnderstoodOnlyAtTheListeningRate) {
    struct Case {
        unsigned listen;
        unsigned sent;
        bool answered;
    };
    const Case cases[] = {
        {9600, 9600, true}, {9600, 1200, false}, {38400, 38400, true}, {38400, 9600, false}};
    for (const Case& c : cases) {
        SimulatedController sim;
        sim.setSwitchWait(test::kHangGuard);
        sim.withModel([&](ControllerModel& model) { model.setListenBaud(c.listen); });
        sim.start();
        ToolEnd tool(sim.devicePath(), c.sent);
        tool.send(connectRequest());
        // The tool moves to 9600 only once the request is out, as it does after 80 ms.
        ASSERT_TRUE(eventually([&] { return bytesReceived(sim) == 5; }));
        tool.setBaud(9600);
        if (c.answered) {
            EXPECT_EQ(tool.receive(19), readReply(Command::Identity, factoryIdentity()))
                << c.listen << " / " << c.sent;
        } else {
            EXPECT_FALSE(tool.readable(milliseconds(300))) << c.listen << " / " << c.sent;
            EXPECT_EQ(sim.repliesSent() + sim.repliesLost(), 0u);
        }
    }
}

TEST(SimPty, IdentityWaitsUntilTheToolHasSwitchedTo9600) {
    SimulatedController sim;
    sim.setSwitchWait(test::kHangGuard);
    sim.withModel([](ControllerModel& model) { model.setListenBaud(1200); });
    sim.start();
    ToolEnd tool(sim.devicePath(), 1200);
    tool.send(connectRequest());
    ASSERT_TRUE(eventually([&] { return sim.requestCount(Command::Identity) == 1; }));
    EXPECT_FALSE(tool.readable(milliseconds(150)));
    tool.setBaud(9600);
    EXPECT_EQ(tool.receive(19), readReply(Command::Identity, factoryIdentity()));
}

TEST(SimPty, ReplyIsLostWhenTheLineNeverComesTo9600) {
    SimulatedController sim;
    sim.setSwitchWait(milliseconds(50));
    sim.withModel([](ControllerModel& model) { model.setListenBaud(19200); });
    sim.start();
    ToolEnd tool(sim.devicePath(), 19200);
    tool.send(connectRequest());
    ASSERT_TRUE(eventually([&] { return sim.repliesLost() == 1; }));
    tool.setBaud(9600);
    EXPECT_FALSE(tool.readable(milliseconds(200)));
    EXPECT_EQ(sim.repliesSent(), 0u);
}

TEST(SimPty, SplitReplyArrivesInTwoParts) {
    SimulatedController sim;
    // Far longer than any scheduling hiccup, so "nothing more yet" cannot be a coincidence.
    sim.withModel(
        [](ControllerModel& model) { model.setSplit(Command::Basic, 10, milliseconds(1000)); });
    sim.start();
    ToolEnd tool(sim.devicePath());
    const Bytes expected = readReply(Command::Basic, factoryImage(Command::Basic));
    tool.send(readRequest(Command::Basic));

    const Bytes first = tool.receive(10);
    EXPECT_EQ(first, Bytes(expected.begin(), expected.begin() + 10));
    EXPECT_FALSE(tool.readable(milliseconds(50)));
    const Bytes rest = tool.receive(expected.size() - 10);
    EXPECT_EQ(rest, Bytes(expected.begin() + 10, expected.end()));
}

TEST(SimPty, DelayedReplyComesLate) {
    SimulatedController sim;
    sim.withModel([](ControllerModel& model) { model.setReplyDelay(milliseconds(1000)); });
    sim.start();
    ToolEnd tool(sim.devicePath());
    tool.send(readRequest(Command::PedalAssist));
    ASSERT_TRUE(eventually([&] { return sim.requestCount(Command::PedalAssist) == 1; }));
    EXPECT_FALSE(tool.readable(milliseconds(50)));
    EXPECT_EQ(tool.receive(14),
              readReply(Command::PedalAssist, factoryImage(Command::PedalAssist)));
}

TEST(SimPty, PacedReplyTakesItsWireTime) {
    SimulatedController sim;
    sim.setPacing(true);
    sim.start();
    ToolEnd tool(sim.devicePath());
    const Bytes expected = readReply(Command::Torque, factoryImage(Command::Torque));
    const auto sent = std::chrono::steady_clock::now();
    tool.send(readRequest(Command::Torque));
    EXPECT_EQ(tool.receive(expected.size()), expected);
    // A lower bound only: 74 bytes of 10 bits at 9600 baud cannot arrive sooner than this.
    EXPECT_GE(std::chrono::steady_clock::now() - sent, milliseconds(74 * 10 * 1000 / 9600));
}

TEST(SimPty, HangUpReachesTheToolEnd) {
    SimulatedController sim;
    sim.start();
    ToolEnd tool(sim.devicePath());
    EXPECT_FALSE(sim.hungUp());
    sim.hangUp();
    EXPECT_TRUE(sim.hungUp());

    pollfd fd{tool.fd(), POLLIN, 0};
    ASSERT_EQ(::poll(&fd, 1, static_cast<int>(test::kHangGuard.count())), 1);
    EXPECT_NE(fd.revents & POLLHUP, 0);
    // The device end is hung up: reads find the end of the line, writes fail.
    std::uint8_t byte = 0;
    EXPECT_EQ(::read(tool.fd(), &byte, 1), 0);
    EXPECT_EQ(::write(tool.fd(), &byte, 1), -1);
    EXPECT_EQ(errno, EIO);
    EXPECT_THROW(ToolEnd(sim.devicePath()), std::system_error);
    sim.hangUp(); // a second time changes nothing
}

TEST(SimPty, StopInterruptsAReplyInProgress) {
    SimulatedController sim;
    sim.withModel([](ControllerModel& model) { model.setReplyDelay(milliseconds(600'000)); });
    sim.start();
    ToolEnd tool(sim.devicePath());
    tool.send(readRequest(Command::Basic));
    ASSERT_TRUE(eventually([&] { return sim.requestCount(Command::Basic) == 1; }));
    sim.stop(); // a hang here is caught by the test's time limit
    EXPECT_FALSE(sim.isRunning());
    EXPECT_EQ(sim.devicePath(), "");
}

TEST(SimPty, StartsAgainOnANewDeviceAndRefusesADoubleStart) {
    SimulatedController sim;
    sim.start();
    EXPECT_THROW(sim.start(), std::logic_error);
    sim.hangUp();
    sim.stop();
    sim.stop();

    sim.start();
    EXPECT_FALSE(sim.hungUp());
    ToolEnd tool(sim.devicePath());
    tool.send(connectRequest());
    EXPECT_EQ(tool.receive(19), readReply(Command::Identity, factoryIdentity()));
}

TEST(SimPty, StartStopCyclesLeaveNoDescriptorOrThreadBehind) {
    // One cycle first: a sanitizer runtime starts its own helper thread with the first thread.
    SimulatedController().start();
    const std::size_t descriptors = entriesIn("/proc/self/fd");
    const std::size_t threads = entriesIn("/proc/self/task");
    for (int cycle = 0; cycle < 40; ++cycle) {
        SimulatedController sim(static_cast<std::uint32_t>(cycle));
        sim.start();
        if (cycle % 4 == 0) {
            ToolEnd tool(sim.devicePath());
            tool.send(readRequest(Command::LiveReadings));
            ASSERT_EQ(tool.receive(12).size(), 12u);
        }
        if (cycle % 4 == 1) {
            sim.hangUp();
        }
        if (cycle % 2 == 0) {
            sim.stop(); // otherwise the destructor stops it
        }
    }
    EXPECT_EQ(entriesIn("/proc/self/fd"), descriptors);
    // Thread ids leave /proc a moment after join() returns.
    EXPECT_TRUE(eventually([&] { return entriesIn("/proc/self/task") == threads; }));
}

// The executable, run as the app's demo mode or a developer runs it.
class SimProcess {
public:
    explicit SimProcess(std::vector<std::string> arguments) {
        int pipeFds[2];
        if (::pipe2(pipeFds, O_CLOEXEC) != 0) {
            throw std::system_error(errno, std::generic_category(), "pipe2");
        }
        posix_spawn_file_actions_t actions;
        posix_spawn_file_actions_init(&actions);
        posix_spawn_file_actions_adddup2(&actions, pipeFds[1], STDOUT_FILENO);
        arguments.insert(arguments.begin(), MORVENT_SIM_EXECUTABLE);
        std::vector<char*> argv;
        for (std::string& argument : arguments) {
            argv.push_back(argument.data());
        }
        argv.push_back(nullptr);
        const int failed =
            posix_spawn(&m_pid, MORVENT_SIM_EXECUTABLE, &actions, nullptr, argv.data(), environ);
        posix_spawn_file_actions_destroy(&actions);
        ::close(pipeFds[1]);
        m_output = pipeFds[0];
        if (failed != 0) {
            ::close(m_output);
            throw std::system_error(failed, std::generic_category(), "posix_spawn");
        }
    }
    ~SimProcess() {
        if (m_pid > 0) {
            ::kill(m_pid, SIGKILL);
            ::waitpid(m_pid, nullptr, 0);
        }
        ::close(m_output);
    }

    // Everything the process writes to stdout until `enough` holds, the pipe closes or the guard.
    std::string output(const std::function<bool(const std::string&)>& enough) {
        const auto deadline = std::chrono::steady_clock::now() + test::kHangGuard;
        while (!enough(m_text) && std::chrono::steady_clock::now() < deadline) {
            pollfd fd{m_output, POLLIN, 0};
            if (::poll(&fd, 1, 100) <= 0) {
                continue;
            }
            char buffer[4096];
            const ssize_t got = ::read(m_output, buffer, sizeof buffer);
            if (got <= 0) {
                break;
            }
            m_text.append(buffer, static_cast<std::size_t>(got));
        }
        return m_text;
    }

    std::string devicePath() {
        const std::string text =
            output([](const std::string& t) { return t.find('\n') != std::string::npos; });
        return text.substr(0, text.find('\n'));
    }

    void signal(int number) { ::kill(m_pid, number); }

    // The exit status, or -1 when the process did not end normally.
    int wait() {
        int status = 0;
        ::waitpid(m_pid, &status, 0);
        m_pid = -1;
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

private:
    pid_t m_pid = -1;
    int m_output = -1;
    std::string m_text;
};

TEST(SimExecutable, ServesItsKnobsUntilTerminated) {
    SimProcess process({"--refuse", "throttle-handle:2", "--listen-baud", "9600"});
    const std::string path = process.devicePath();
    ASSERT_TRUE(path.starts_with("/dev/pts/")) << path;
    {
        ToolEnd tool(path);
        tool.send(writeFrame(Command::ThrottleHandle, factoryImage(Command::ThrottleHandle)));
        EXPECT_EQ(tool.receive(3), writeAcknowledgement(Command::ThrottleHandle, 2));
    }
    ToolEnd tool(path);
    process.signal(SIGUSR1);
    pollfd fd{tool.fd(), POLLIN, 0};
    ASSERT_EQ(::poll(&fd, 1, static_cast<int>(test::kHangGuard.count())), 1);
    EXPECT_NE(fd.revents & POLLHUP, 0);
    process.signal(SIGTERM);
    EXPECT_EQ(process.wait(), 0);
}

TEST(SimExecutable, HangsUpOnItsOwnWhenAsked) {
    SimProcess process({"--hang-up-after", "100"});
    ToolEnd tool(process.devicePath());
    pollfd fd{tool.fd(), POLLIN, 0};
    ASSERT_EQ(::poll(&fd, 1, static_cast<int>(test::kHangGuard.count())), 1);
    EXPECT_NE(fd.revents & POLLHUP, 0);
    process.signal(SIGINT);
    EXPECT_EQ(process.wait(), 0);
}

} // namespace
} // namespace morvent
