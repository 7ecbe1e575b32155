// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#include "SimulatedController.h"

#include <array>
#include <stdexcept>
#include <utility>

namespace morvent {

namespace {

using Clock = std::chrono::steady_clock;

// A start bit, eight data bits and a stop bit.
constexpr long long kBitsPerByte = 10;

constexpr auto kLineSpeedPoll = std::chrono::milliseconds(5);

} // namespace

SimulatedController::SimulatedController(std::uint32_t seed) : m_model(seed) {}

SimulatedController::~SimulatedController() {
    stop();
}

void SimulatedController::start() {
    if (m_worker.joinable()) {
        throw std::logic_error("the simulated controller is already running");
    }
    start(openControllerEnd());
}

void SimulatedController::start(std::unique_ptr<ControllerEnd> end) {
    if (m_worker.joinable()) {
        throw std::logic_error("the simulated controller is already running");
    }
    m_end = std::move(end);
    m_stopAsked = false;
    m_hangUpAsked = false;
    m_noiseAsked = false;
    {
        std::lock_guard lock(m_stateMutex);
        m_devicePath = m_end->toolName();
        m_serving = true;
        m_hungUp = false;
    }
    m_repliesSent = 0;
    m_repliesLost = 0;
    m_worker = std::thread(&SimulatedController::serve, this);
    m_running = true;
}

void SimulatedController::stop() {
    if (!m_worker.joinable()) {
        return;
    }
    ask(m_stopAsked);
    m_worker.join();
    m_end.reset();
    {
        std::lock_guard lock(m_stateMutex);
        m_devicePath.clear();
        m_serving = false;
    }
    m_running = false;
}

std::string SimulatedController::devicePath() const {
    std::lock_guard lock(m_stateMutex);
    return m_devicePath;
}

void SimulatedController::hangUp() {
    if (!m_worker.joinable()) {
        return;
    }
    ask(m_hangUpAsked);
    std::unique_lock lock(m_stateMutex);
    m_stateChanged.wait(lock, [this] { return m_hungUp || !m_serving; });
}

bool SimulatedController::hungUp() const {
    std::lock_guard lock(m_stateMutex);
    return m_hungUp;
}

std::size_t SimulatedController::requestCount(Command command) const {
    return withModel(
        [command](const ControllerModel& model) { return model.requestCount(command); });
}

std::vector<ReceivedRequest> SimulatedController::receivedRequests() const {
    return withModel([](const ControllerModel& model) { return model.receivedRequests(); });
}

void SimulatedController::serve() {
    try {
        serveRequests();
    } catch (const std::exception&) {
        // A controller that fails goes silent and drops the line, which the tool sees as a
        // hang-up; the owner learns of it through hungUp().
        dropLine();
    }
    std::lock_guard lock(m_stateMutex);
    m_serving = false;
    m_stateChanged.notify_all();
}

void SimulatedController::serveRequests() {
    std::array<std::uint8_t, 512> buffer{};
    for (;;) {
        if (m_stopAsked) {
            return;
        }
        if (m_hangUpAsked.exchange(false)) {
            dropLine();
            continue;
        }
        if (m_noiseAsked.exchange(false)) {
            sendNoise();
            continue;
        }
        if (m_end->wait(ControllerEnd::Await::Readable, ControllerEnd::kNoDeadline) !=
            ControllerEnd::Woken::Ready) {
            continue;
        }
        if (const auto got = m_end->read(buffer); !got) {
            dropLine();
        } else if (got->count > 0) {
            answer(std::span(buffer.data(), got->count), got->baud);
        }
    }
}

void SimulatedController::ask(std::atomic<bool>& flag) {
    flag = true;
    m_end->nudge();
}

void SimulatedController::answer(std::span<const std::uint8_t> chunk, unsigned baud) {
    if (m_pacing && baud > 0) {
        // The line hands the tool's bytes over at once; on a wire the request's last byte comes in
        // its wire time after the first, and only then can the controller answer.
        const auto wireTime =
            std::chrono::microseconds(chunk.size() * kBitsPerByte * 1'000'000 / baud);
        if (pauseUntil(Clock::now() + wireTime) == Wait::Interrupted) {
            return;
        }
    }
    const std::vector<ControllerReply> replies =
        withModel([&](ControllerModel& model) { return model.feed(chunk, baud); });
    for (const ControllerReply& reply : replies) {
        if (!deliver(reply)) {
            return;
        }
    }
}

bool SimulatedController::deliver(const ControllerReply& reply) {
    if (m_hangUpOn == static_cast<int>(reply.command)) {
        m_hangUpOn = -1;
        dropLine();
        return false;
    }
    if (pauseFor(reply.delay) == Wait::Interrupted) {
        return false;
    }
    switch (awaitLineBaud(ControllerModel::kReplyBaud)) {
    case LineState::Interrupted:
        return false;
    case LineState::TimedOut:
        ++m_repliesLost;
        return true;
    case LineState::Ready:
        break;
    }
    const auto bytes = std::span(reply.bytes);
    const std::size_t firstPart = reply.splitAt == 0 ? bytes.size() : reply.splitAt;
    if (!send(bytes.first(firstPart), ControllerModel::kReplyBaud)) {
        return false;
    }
    if (firstPart < bytes.size()) {
        if (pauseFor(reply.splitPause) == Wait::Interrupted ||
            !send(bytes.subspan(firstPart), ControllerModel::kReplyBaud)) {
            return false;
        }
    }
    ++m_repliesSent;
    if (m_vanishAfter == static_cast<int>(reply.command)) {
        m_vanishAfter = -1;
        // Only once the tool has read the reply: a hang-up makes the kernel drop unread input,
        // and the point is a tool that holds its reply when the device is gone.
        // The bytes reach the tool's side a moment after they are written; wait for them to be
        // there, then for the tool to have taken them.
        int waited = 0;
        for (; waited < 200 && unreadByTool() == 0; waited += 1) {
            if (pauseFor(std::chrono::milliseconds(1)) == Wait::Interrupted) {
                return false;
            }
        }
        for (waited = 0; waited < 1000 && unreadByTool() > 0; waited += 1) {
            if (pauseFor(std::chrono::milliseconds(1)) == Wait::Interrupted) {
                return false;
            }
        }
        m_end->vanish();
        dropLine();
        return false;
    }
    return true;
}

void SimulatedController::injectNoise(Bytes bytes) {
    {
        std::lock_guard lock(m_noiseMutex);
        m_noiseBytes.insert(m_noiseBytes.end(), bytes.begin(), bytes.end());
    }
    if (m_running) {
        ask(m_noiseAsked);
    }
}

void SimulatedController::sendNoise() {
    Bytes noise;
    {
        std::lock_guard lock(m_noiseMutex);
        noise.swap(m_noiseBytes);
    }
    if (!noise.empty()) {
        send(noise, ControllerModel::kReplyBaud);
    }
}

bool SimulatedController::send(std::span<const std::uint8_t> bytes, unsigned baud) {
    const bool paced = m_pacing;
    const auto byteTime = std::chrono::microseconds(kBitsPerByte * 1'000'000 / baud);
    auto deadline = Clock::now();
    std::size_t done = 0;
    while (done < bytes.size()) {
        if (paced) {
            // A byte shows up at the far end once its last bit is on the wire. Deadlines rather
            // than sleeps keep a late wake-up from stretching the whole reply.
            deadline += byteTime;
            if (pauseUntil(deadline) == Wait::Interrupted) {
                return false;
            }
        }
        const auto written = writeSome(bytes.subspan(done, paced ? 1 : bytes.size() - done));
        if (!written) {
            return false;
        }
        done += *written;
    }
    return true;
}

std::optional<std::size_t> SimulatedController::writeSome(std::span<const std::uint8_t> bytes) {
    for (;;) {
        const auto written = m_end->write(bytes);
        if (!written) {
            dropLine();
            return std::nullopt;
        }
        if (*written > 0) {
            return written;
        }
        // The tool is not reading and the line holds no more; wait for room.
        if (awaitWritable() == Wait::Interrupted) {
            return std::nullopt;
        }
    }
}

SimulatedController::Wait SimulatedController::pauseUntil(Clock::time_point deadline) {
    for (;;) {
        if (Clock::now() >= deadline) {
            return Wait::Elapsed;
        }
        if (interrupted()) {
            return Wait::Interrupted;
        }
        m_end->wait(ControllerEnd::Await::Nothing, deadline);
    }
}

SimulatedController::Wait SimulatedController::pauseFor(std::chrono::milliseconds duration) {
    if (duration.count() <= 0) {
        return Wait::Elapsed;
    }
    return pauseUntil(Clock::now() + duration);
}

SimulatedController::Wait SimulatedController::awaitWritable() {
    for (;;) {
        if (interrupted()) {
            return Wait::Interrupted;
        }
        if (m_end->wait(ControllerEnd::Await::Writable, ControllerEnd::kNoDeadline) ==
            ControllerEnd::Woken::Ready) {
            return Wait::Elapsed;
        }
    }
}

SimulatedController::LineState SimulatedController::awaitLineBaud(unsigned baud) {
    const auto deadline = Clock::now() + std::chrono::milliseconds(m_switchWaitMs.load());
    for (;;) {
        if (m_end->toolBaud() == baud) {
            return LineState::Ready;
        }
        if (Clock::now() >= deadline) {
            return LineState::TimedOut;
        }
        if (pauseFor(kLineSpeedPoll) == Wait::Interrupted) {
            return LineState::Interrupted;
        }
    }
}

int SimulatedController::unreadByTool() const {
    return m_end ? m_end->unreadByTool() : 0;
}

void SimulatedController::dropLine() {
    m_end->hangUp();
    std::lock_guard lock(m_stateMutex);
    m_hungUp = true;
    m_stateChanged.notify_all();
}

} // namespace morvent
