// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

// The simulated controller on a pseudo-terminal: the tool opens its device end as it would a
// serial port, and the controller works the master end.

#include "ControllerEnd.h"
#include "Descriptor.h"
#include "EventFd.h"
#include "Poll.h"

#include <algorithm>
#include <array>
#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <sys/ioctl.h>
#include <system_error>
#include <termios.h>
#include <unistd.h>
#include <utility>

namespace morvent {

namespace {

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

[[noreturn]] void throwErrno(const char* what) {
    throw std::system_error(errno, std::generic_category(), what);
}

class PtyEnd final : public ControllerEnd {
public:
    PtyEnd();

    std::string toolName() const override { return m_path; }
    void nudge() override { m_nudge.signal(); }
    Woken wait(Await what, Clock::time_point deadline) override;
    std::optional<Received> read(std::span<std::uint8_t> buffer) override;
    std::optional<std::size_t> write(std::span<const std::uint8_t> bytes) override;
    unsigned toolBaud() const override;
    int unreadByTool() const override;
    void hangUp() override { m_master.reset(); }
    void vanish() override {
        m_slave.reset();
        m_master.reset();
    }

private:
    Descriptor m_master;
    // Held open for the end's whole life, so the master never sees the line drop while the tool
    // closes and reopens its end; never read from, only asked for the line speed.
    Descriptor m_slave;
    EventFd m_nudge;
    std::string m_path;
};

PtyEnd::PtyEnd() {
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
    if (!m_nudge.valid()) {
        throwErrno("eventfd");
    }
    m_path = name.data();
}

ControllerEnd::Woken PtyEnd::wait(Await what, Clock::time_point deadline) {
    std::array<pollfd, 2> fds{
        {{m_nudge.fd(), POLLIN, 0},
         {m_master.get(), static_cast<short>(what == Await::Readable ? POLLIN : POLLOUT), 0}}};
    const std::size_t count = what != Await::Nothing && m_master.valid() ? 2 : 1;
    auto timeout = kWaitForever;
    if (deadline != kNoDeadline) {
        timeout = std::max<std::chrono::nanoseconds>(deadline - Clock::now(), timeout.zero());
    }
    const int ready = pollRetrying(std::span(fds.data(), count), timeout);
    if (ready < 0) {
        throwErrno("poll");
    }
    if (fds[0].revents != 0) {
        m_nudge.drain();
        return Woken::Nudged;
    }
    return ready > 0 ? Woken::Ready : Woken::Elapsed;
}

std::optional<ControllerEnd::Received> PtyEnd::read(std::span<std::uint8_t> buffer) {
    for (;;) {
        const ssize_t got = ::read(m_master.get(), buffer.data(), buffer.size());
        if (got > 0) {
            // The tool switches to 9600 baud only 80 ms after a connect request, so the speed
            // set now is almost always the one the bytes went at.
            return Received{static_cast<std::size_t>(got), toolBaud()};
        }
        if (got < 0 && errno == EINTR) {
            continue;
        }
        if (got < 0 && errno == EAGAIN) {
            return Received{};
        }
        return std::nullopt;
    }
}

std::optional<std::size_t> PtyEnd::write(std::span<const std::uint8_t> bytes) {
    for (;;) {
        const ssize_t written = ::write(m_master.get(), bytes.data(), bytes.size());
        if (written > 0) {
            return static_cast<std::size_t>(written);
        }
        if (written < 0 && errno == EINTR) {
            continue;
        }
        if (written < 0 && errno == EAGAIN) {
            // The tool is not reading and the pty's buffer is full.
            return 0;
        }
        return std::nullopt;
    }
}

unsigned PtyEnd::toolBaud() const {
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

int PtyEnd::unreadByTool() const {
    int count = 0;
    return m_slave.valid() && ::ioctl(m_slave.get(), FIONREAD, &count) == 0 ? count : 0;
}

} // namespace

std::unique_ptr<ControllerEnd> openControllerEnd() {
    return std::make_unique<PtyEnd>();
}

} // namespace morvent
