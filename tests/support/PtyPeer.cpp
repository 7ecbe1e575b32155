// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#include "PtyPeer.h"

#include <fcntl.h>
#include <poll.h>
#include <stdlib.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

#include <chrono>
#include <stdexcept>
#include <thread>

namespace morvent::test {

PtyPeer::PtyPeer() {
    m_master = posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC | O_NONBLOCK);
    if (m_master < 0 || grantpt(m_master) != 0 || unlockpt(m_master) != 0) {
        throw std::runtime_error("no pseudo-terminal");
    }
    m_path = ptsname(m_master);
    m_slave = ::open(m_path.c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC);
    termios raw{};
    tcgetattr(m_slave, &raw);
    cfmakeraw(&raw);
    tcsetattr(m_slave, TCSANOW, &raw);
}

PtyPeer::~PtyPeer() {
    hangUp();
    if (m_slave >= 0) {
        ::close(m_slave);
    }
}

void PtyPeer::write(const std::vector<std::uint8_t>& bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(m_master, bytes.data() + done, bytes.size() - done);
        if (n > 0) {
            done += static_cast<std::size_t>(n);
        } else {
            pollfd p{m_master, POLLOUT, 0};
            ::poll(&p, 1, 100);
        }
    }
}

int PtyPeer::unread() const {
    int count = 0;
    return ::ioctl(m_slave, FIONREAD, &count) == 0 ? count : -1;
}

std::vector<std::uint8_t> PtyPeer::read(std::size_t count, int timeoutMs) {
    std::vector<std::uint8_t> got;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    while (got.size() < count && std::chrono::steady_clock::now() < deadline) {
        pollfd p{m_master, POLLIN, 0};
        ::poll(&p, 1, 20);
        const auto more = drain();
        got.insert(got.end(), more.begin(), more.end());
    }
    return got;
}

std::vector<std::uint8_t> PtyPeer::drain() {
    std::vector<std::uint8_t> got;
    std::uint8_t buffer[4096];
    for (;;) {
        const ssize_t n = ::read(m_master, buffer, sizeof buffer);
        if (n <= 0) {
            return got;
        }
        got.insert(got.end(), buffer, buffer + n);
    }
}

std::size_t PtyPeer::fillLine() {
    const int flags = fcntl(m_slave, F_GETFL);
    fcntl(m_slave, F_SETFL, flags | O_NONBLOCK);
    std::size_t total = 0;
    const std::vector<std::uint8_t> block(4096, 0xAA);
    for (;;) {
        const ssize_t n = ::write(m_slave, block.data(), block.size());
        if (n <= 0) {
            break;
        }
        total += static_cast<std::size_t>(n);
    }
    fcntl(m_slave, F_SETFL, flags);
    return total;
}

void PtyPeer::hangUp() {
    if (m_master >= 0) {
        ::close(m_master);
        m_master = -1;
    }
}

termios PtyPeer::lineSettings() const {
    termios t{};
    tcgetattr(m_slave, &t);
    return t;
}

void PtyPeer::setLineSettings(const termios& settings) {
    tcsetattr(m_slave, TCSANOW, &settings);
}

} // namespace morvent::test
