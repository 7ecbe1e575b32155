// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#include "SimulatedController.h"

#include "Poll.h"

#include <array>
#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <stdexcept>
#include <sys/ioctl.h>
#include <system_error>
#include <termios.h>
#include <unistd.h>
#include <utility>

namespace morvent {

namespace {

using Clock = std::chrono::steady_clock;

// The line speeds the pty's termios may report, with the numbers they stand for.
constexpr std::array<std::pair<speed_t, unsigned>, 9> kSpeeds{{{B1200, 1200},
                                                               {B2400, 2400},
                                                               {B4800, 4800},
                                                               {B9600, 9600},
                                                               {B19200, 19200},
                                                               {B38400, 38400},
                                                               {B57600, 57600},
                                                               {B115200, 115200},
                                                               {B230400, 230400}}};

// A start bit, eight data bits and a stop bit.
constexpr long long kBitsPerByte = 10;

constexpr auto kLineSpeedPoll = std::chrono::milliseconds(5);

[[noreturn]] void throwErrno(const char* what) {
    throw std::system_error(errno, std::generic_category(), what);
}

} // namespace

SimulatedController::SimulatedController(std::uint32_t seed) : m_model(seed) {}

SimulatedController::~SimulatedController() {
    stop();
}

void SimulatedController::start() {
    if (m_worker.joinable()) {
        throw std::logic_error("the simulated controller is already running");
    }
    try {
        m_master.reset(::posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC));
        if (!m_master.valid()) {
            throwErrno("posix_openpt");
        }
        if (::grantpt(m_master.get()) != 0 || ::unlockpt(m_master.get()) != 0) {
            throwErrno("unlockpt");
        }
        std::array<char, 128> name{};
        if (::ptsname_r(m_master.get(), name.data(), name.size()) != 0) {
            throwErrno("ptsname_r");
        }
        m_slave.reset(::open(name.data(), O_RDWR | O_NOCTTY | O_CLOEXEC));
        if (!m_slave.valid()) {
            throwErrno("open pty device end");
        }
        // Raw before anyone can open the device end: a pty starts with echo on, and an echoed
        // request would come back to the master as a reply the controller never sent.
        termios settings{};
        if (::tcgetattr(m_slave.get(), &settings) != 0) {
            throwErrno("tcgetattr");
        }
        ::cfmakeraw(&settings);
        settings.c_cflag |= CLOCAL | CREAD;
        ::cfsetispeed(&settings, B9600);
        ::cfsetospeed(&settings, B9600);
        if (::tcsetattr(m_slave.get(), TCSANOW, &settings) != 0) {
            throwErrno("tcsetattr");
        }
        if (::fcntl(m_master.get(), F_SETFL, O_NONBLOCK) != 0) {
            throwErrno("fcntl");
        }
        m_stop = EventFd();
        m_hangUp = EventFd();
        m_noise = EventFd();
        if (!m_stop.valid() || !m_hangUp.valid() || !m_noise.valid()) {
            throwErrno("eventfd");
        }
        {
            std::lock_guard lock(m_stateMutex);
            m_devicePath = name.data();
            m_serving = true;
            m_hungUp = false;
        }
        m_repliesSent = 0;
        m_repliesLost = 0;
        m_worker = std::thread(&SimulatedController::serve, this);
    } catch (...) {
        closeDescriptors();
        throw;
    }
    m_running = true;
}

void SimulatedController::stop() {
    if (!m_worker.joinable()) {
        return;
    }
    m_stop.signal();
    m_worker.join();
    closeDescriptors();
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
    m_hangUp.signal();
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
        closeMaster();
    }
    std::lock_guard lock(m_stateMutex);
    m_serving = false;
    m_stateChanged.notify_all();
}

void SimulatedController::serveRequests() {
    std::array<std::uint8_t, 512> buffer{};
    for (;;) {
        std::array<pollfd, 4> fds{{{m_stop.fd(), POLLIN, 0},
                                   {m_hangUp.fd(), POLLIN, 0},
                                   {m_noise.fd(), POLLIN, 0},
                                   {m_master.get(), POLLIN, 0}}};
        const std::size_t count = m_master.valid() ? 4 : 3;
        if (pollRetrying(std::span(fds.data(), count)) < 0) {
            throwErrno("poll");
        }
        if (fds[0].revents != 0) {
            return;
        }
        if (fds[1].revents != 0) {
            m_hangUp.drain();
            closeMaster();
            continue;
        }
        if (fds[2].revents != 0) {
            sendNoise();
        }
        if (count < 4 || fds[3].revents == 0) {
            continue;
        }
        const ssize_t got = ::read(m_master.get(), buffer.data(), buffer.size());
        if (got > 0) {
            answer(std::span(buffer.data(), static_cast<std::size_t>(got)));
        } else if (got == 0 || (errno != EAGAIN && errno != EINTR)) {
            closeMaster();
        }
    }
}

void SimulatedController::answer(std::span<const std::uint8_t> chunk) {
    // The speed is taken when the bytes are read, which is as close as a pty lets us get to the
    // speed they were sent at: the tool switches to 9600 baud only 80 ms after a connect request.
    const unsigned baud = lineBaud();
    if (m_pacing && baud > 0) {
        // A pty hands the tool's bytes over at once; on a wire the request's last byte comes in
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
        closeMaster();
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
        m_slave.reset();
        closeMaster();
        return false;
    }
    return true;
}

void SimulatedController::injectNoise(Bytes bytes) {
    {
        std::lock_guard lock(m_noiseMutex);
        m_noiseBytes.insert(m_noiseBytes.end(), bytes.begin(), bytes.end());
    }
    m_noise.signal();
}

void SimulatedController::sendNoise() {
    m_noise.drain();
    Bytes noise;
    {
        std::lock_guard lock(m_noiseMutex);
        noise.swap(m_noiseBytes);
    }
    if (m_master.valid() && !noise.empty()) {
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
        const ssize_t written = ::write(m_master.get(), bytes.data(), bytes.size());
        if (written > 0) {
            return static_cast<std::size_t>(written);
        }
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written < 0 && errno == EAGAIN) {
            // The tool is not reading and the pty's buffer is full; wait for room.
            if (awaitWritable() == Wait::Interrupted) {
                return std::nullopt;
            }
            continue;
        }
        closeMaster();
        return std::nullopt;
    }
}

SimulatedController::Wait SimulatedController::pauseUntil(Clock::time_point deadline) {
    for (;;) {
        const auto now = Clock::now();
        if (now >= deadline) {
            return Wait::Elapsed;
        }
        std::array<pollfd, 2> fds{{{m_stop.fd(), POLLIN, 0}, {m_hangUp.fd(), POLLIN, 0}}};
        const int ready = pollRetrying(fds, deadline - now);
        if (ready > 0) {
            return Wait::Interrupted;
        }
        if (ready < 0) {
            throwErrno("poll");
        }
    }
}

SimulatedController::Wait SimulatedController::pauseFor(std::chrono::milliseconds duration) {
    if (duration.count() <= 0) {
        return Wait::Elapsed;
    }
    return pauseUntil(Clock::now() + duration);
}

SimulatedController::Wait SimulatedController::awaitWritable() {
    std::array<pollfd, 3> fds{
        {{m_stop.fd(), POLLIN, 0}, {m_hangUp.fd(), POLLIN, 0}, {m_master.get(), POLLOUT, 0}}};
    if (pollRetrying(fds) < 0) {
        throwErrno("poll");
    }
    return fds[0].revents != 0 || fds[1].revents != 0 ? Wait::Interrupted : Wait::Elapsed;
}

SimulatedController::LineState SimulatedController::awaitLineBaud(unsigned baud) {
    const auto deadline = Clock::now() + std::chrono::milliseconds(m_switchWaitMs.load());
    for (;;) {
        if (lineBaud() == baud) {
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

unsigned SimulatedController::lineBaud() const {
    termios settings{};
    if (::tcgetattr(m_slave.get(), &settings) != 0) {
        throwErrno("tcgetattr");
    }
    const speed_t speed = ::cfgetospeed(&settings);
    for (const auto& [code, baud] : kSpeeds) {
        if (code == speed) {
            return baud;
        }
    }
    return 0;
}

int SimulatedController::unreadByTool() const {
    int count = 0;
    return m_slave.valid() && ::ioctl(m_slave.get(), FIONREAD, &count) == 0 ? count : 0;
}

void SimulatedController::closeMaster() {
    m_master.reset();
    std::lock_guard lock(m_stateMutex);
    m_hungUp = true;
    m_stateChanged.notify_all();
}

void SimulatedController::closeDescriptors() {
    m_master.reset();
    m_slave.reset();
    m_stop = EventFd(Descriptor());
    m_hangUp = EventFd(Descriptor());
    m_noise = EventFd(Descriptor());
    std::lock_guard lock(m_stateMutex);
    m_devicePath.clear();
    m_serving = false;
}

} // namespace morvent
