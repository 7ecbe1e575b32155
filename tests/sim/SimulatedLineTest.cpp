// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

// The in-process line, with the simulated controller on its far end and the test as the tool: what
// the serial component's reader and writer threads rely on where there are no pseudo-terminals.
// Plain C++ and GoogleTest alone, so that the same checks run on Windows.

#include "SimulatedLine.h"
#include "BlockRules.h"
#include "SimulatedController.h"

#include <gtest/gtest.h>

#include <functional>
#include <future>
#include <initializer_list>
#include <memory>
#include <string>
#include <utility>

namespace morvent {
namespace {

using Wait = SimulatedLine::ToolEnd::Wait;

// Long enough never to be reached on a loaded machine; only there to turn a hang into a failure.
constexpr std::chrono::milliseconds kGuard{10'000};

// Collects `count` bytes as a reader thread would, or what came before the line went quiet.
Bytes collect(SimulatedLine::ToolEnd& tool, std::size_t count) {
    Bytes reply;
    std::uint8_t buffer[256];
    while (reply.size() < count && tool.wait(kGuard) == Wait::Readable) {
        const std::size_t got = tool.read(buffer);
        reply.insert(reply.end(), buffer, buffer + got);
    }
    return reply;
}

Bytes exchange(SimulatedLine::ToolEnd& tool, const Bytes& request, std::size_t count) {
    EXPECT_TRUE(tool.write(request));
    return collect(tool, count);
}

Bytes firmwareReply() {
    const std::string text = factoryFirmwareText();
    return readReply(Command::FirmwareText, Bytes(text.begin(), text.end()));
}

struct Served {
    explicit Served(unsigned listenBaud = ControllerModel::kReplyBaud) {
        sim.withModel([&](ControllerModel& model) { model.setListenBaud(listenBaud); });
        sim.start(openSimulatedLineEnd());
        tool = SimulatedLine::open(sim.devicePath());
    }
    SimulatedController sim;
    std::unique_ptr<SimulatedLine::ToolEnd> tool;
};

// The controller takes bytes at the speed the tool wrote them at, even when the tool switches
// back to 9600 baud before the controller got to them: a connect request only at its listening
// rate, everything else only at 9600. A firmware request at 9600 follows each, so its reply
// shows that the first request was dealt with.
TEST(SimulatedLine, ControllerHearsAConnectOnlyAtItsListeningRate) {
    const struct {
        unsigned listen;
        unsigned sentAt;
        Bytes request;
        bool understood;
    } cases[] = {
        {9600, 9600, connectRequest(), true},
        {19200, 19200, connectRequest(), true},
        {19200, 9600, connectRequest(), false},
        {19200, 19200, readRequest(Command::Basic), false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.listen << " " << c.sentAt << " " << c.understood);
        Served line(c.listen);
        ASSERT_TRUE(line.tool);
        line.tool->setBaud(c.sentAt);
        ASSERT_TRUE(line.tool->write(c.request));
        line.tool->setBaud(ControllerModel::kReplyBaud);
        Bytes expected = firmwareReply();
        if (c.understood) {
            const Bytes identity = readReply(Command::Identity, factoryIdentity());
            expected.insert(expected.begin(), identity.begin(), identity.end());
        }
        EXPECT_EQ(exchange(*line.tool, readRequest(Command::FirmwareText), expected.size()),
                  expected);
        const auto log = line.sim.receivedRequests();
        ASSERT_EQ(log.size(), 2u);
        EXPECT_EQ(log[0].lineBaud, c.sentAt);
        EXPECT_EQ(log[0].understood, c.understood);
    }
}

// A block written is stored and read back, paced at the wire's speed or not; a burst larger than
// the line holds reaches the tool whole, the controller waiting for room as the tool reads; a
// purge drops what is unread.
TEST(SimulatedLine, CarriesBlocksBothWaysAndMoreThanItHolds) {
    for (const bool paced : {false, true}) {
        SCOPED_TRACE(paced);
        Served line;
        ASSERT_TRUE(line.tool);
        line.sim.setPacing(paced);
        const Bytes image = factoryImage(Command::PedalAssist);
        line.sim.withModel([&](ControllerModel& model) {
            model.setImage(Command::PedalAssist, Bytes(image.size(), 0));
        });
        const Bytes ack =
            writeAcknowledgement(Command::PedalAssist, static_cast<std::uint8_t>(image.size()));
        EXPECT_EQ(exchange(*line.tool, writeFrame(Command::PedalAssist, image), ack.size()), ack);
        const Bytes reply = readReply(Command::PedalAssist, image);
        EXPECT_EQ(exchange(*line.tool, readRequest(Command::PedalAssist), reply.size()), reply);
    }
    Served line;
    Bytes burst(SimulatedLine::kCapacity * 2 + 5);
    for (std::size_t i = 0; i < burst.size(); ++i) {
        burst[i] = static_cast<std::uint8_t>(i * 7);
    }
    line.sim.injectNoise(burst);
    EXPECT_EQ(collect(*line.tool, burst.size()), burst);
    line.sim.injectNoise({1, 2, 3});
    ASSERT_EQ(line.tool->wait(kGuard), Wait::Readable);
    line.tool->purge();
    EXPECT_EQ(line.tool->available(), 0u);
}

// However the line goes, a reader waiting on it wakes with a hang-up, a write fails, and the
// port cannot be opened again until a new line is there; a reply already read stays read.
TEST(SimulatedLine, ToolSeesEveryWayTheLineGoes) {
    using Knob = std::function<void(SimulatedController&)>;
    const struct {
        const char* name;
        Knob before;
        bool replied;
        Knob after; // once the reader has had its reply
    } cases[] = {
        {"hang-up", nullptr, true, [](SimulatedController& sim) { sim.hangUp(); }},
        {"stop", nullptr, true, [](SimulatedController& sim) { sim.stop(); }},
        {"hang-up instead of a reply",
         [](SimulatedController& sim) { sim.setHangUpOnReply(Command::FirmwareText); }, false,
         nullptr},
        {"vanish after a reply",
         [](SimulatedController& sim) { sim.setVanishAfterReply(Command::FirmwareText); }, true,
         nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        Served line;
        ASSERT_TRUE(line.tool);
        const std::string name = line.sim.devicePath();
        if (c.before) {
            c.before(line.sim);
        }
        const Bytes expected = c.replied ? firmwareReply() : Bytes{};
        std::promise<void> replied;
        auto reader = std::async(std::launch::async, [&] {
            const Bytes reply =
                exchange(*line.tool, readRequest(Command::FirmwareText), expected.size());
            replied.set_value();
            return std::pair(reply, line.tool->wait(kGuard));
        });
        ASSERT_EQ(replied.get_future().wait_for(kGuard), std::future_status::ready);
        if (c.after) {
            c.after(line.sim);
        }
        ASSERT_EQ(reader.wait_for(kGuard), std::future_status::ready);
        EXPECT_EQ(reader.get(), std::pair(expected, Wait::HungUp));
        EXPECT_TRUE(line.tool->hungUp());
        EXPECT_FALSE(line.tool->write(readRequest(Command::Basic)) || SimulatedLine::open(name));
    }
}

// A port is not shared, its own stop() ends its reader's wait, and its name is found as a
// serial component may spell it; a second line gets a name of its own.
TEST(SimulatedLine, ToolEndBehavesAsAPort) {
    Served first;
    Served second;
    ASSERT_TRUE(first.tool && second.tool);
    EXPECT_EQ(first.sim.devicePath(), "SIMULATED");
    EXPECT_EQ(second.sim.devicePath(), "SIMULATED2");
    EXPECT_FALSE(SimulatedLine::open("SIMULATED"));
    first.tool.reset();
    EXPECT_TRUE(SimulatedLine::open("\\\\.\\simulated") && !SimulatedLine::open("SIMULATED3"));
    for (const auto& [port, simulated] :
         std::initializer_list<std::pair<const char*, bool>>{{"SIMULATED", true},
                                                             {"\\\\.\\Simulated12", true},
                                                             {"SIMULATEDX", false},
                                                             {"COM3", false},
                                                             {"SIM", false}}) {
        EXPECT_EQ(SimulatedLine::isLineName(port), simulated) << port;
    }

    auto reader = std::async(std::launch::async, [&] { return second.tool->wait(kGuard); });
    second.tool->stop();
    ASSERT_EQ(reader.wait_for(kGuard), std::future_status::ready);
    EXPECT_EQ(reader.get(), Wait::Stopped);
    EXPECT_EQ(second.tool->wait(SimulatedLine::kForever), Wait::Stopped);
    EXPECT_FALSE(second.tool->hungUp());
}

} // namespace
} // namespace morvent
