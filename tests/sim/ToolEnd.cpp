#include "ToolEnd.h"

#include <cerrno>
#include <fcntl.h>
#include <poll.h>
#include <stdexcept>
#include <system_error>
#include <termios.h>
#include <thread>
#include <unistd.h>
#include <utility>

namespace morvent::test {

namespace {

speed_t speedCode(unsigned baud) {
    for (const auto& [number, code] : {std::pair{1200u, B1200},
                                       {9600u, B9600},
                                       {19200u, B19200},
                                       {38400u, B38400},
                                       {115200u, B115200}}) {
        if (number == baud) {
            return code;
        }
    }
    throw std::invalid_argument("unsupported baud rate");
}

[[noreturn]] void throwErrno(const char* what) {
    throw std::system_error(errno, std::generic_category(), what);
}

} // namespace

ToolEnd::ToolEnd(const std::string& path, unsigned baud) {
    m_fd = ::open(path.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (m_fd < 0) {
        throwErrno("open");
    }
    termios settings{};
    ::tcgetattr(m_fd, &settings);
    ::cfmakeraw(&settings);
    settings.c_cflag |= CLOCAL | CREAD;
    ::tcsetattr(m_fd, TCSANOW, &settings);
    ::tcflush(m_fd, TCIOFLUSH);
    setBaud(baud);
}

ToolEnd::~ToolEnd() {
    ::close(m_fd);
}

void ToolEnd::setBaud(unsigned baud) {
    termios settings{};
    if (::tcgetattr(m_fd, &settings) != 0) {
        throwErrno("tcgetattr");
    }
    ::cfsetispeed(&settings, speedCode(baud));
    ::cfsetospeed(&settings, speedCode(baud));
    if (::tcsetattr(m_fd, TCSANOW, &settings) != 0) {
        throwErrno("tcsetattr");
    }
}

void ToolEnd::send(const Bytes& bytes) {
    if (::write(m_fd, bytes.data(), bytes.size()) != static_cast<ssize_t>(bytes.size())) {
        throwErrno("write");
    }
}

Bytes ToolEnd::receive(std::size_t count, std::chrono::milliseconds guard) {
    const auto deadline = std::chrono::steady_clock::now() + guard;
    Bytes received;
    while (received.size() < count) {
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
            deadline - std::chrono::steady_clock::now());
        if (left.count() <= 0 || !readable(left)) {
            break;
        }
        std::uint8_t buffer[256];
        const ssize_t got = ::read(m_fd, buffer, sizeof buffer);
        if (got <= 0) {
            break;
        }
        received.insert(received.end(), buffer, buffer + got);
    }
    return received;
}

bool ToolEnd::readable(std::chrono::milliseconds wait) {
    pollfd fd{m_fd, POLLIN, 0};
    return ::poll(&fd, 1, static_cast<int>(wait.count())) > 0 && (fd.revents & POLLIN) != 0;
}

bool eventually(const std::function<bool()>& condition, std::chrono::milliseconds guard) {
    const auto deadline = std::chrono::steady_clock::now() + guard;
    while (!condition()) {
        if (std::chrono::steady_clock::now() >= deadline) {
            return false;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    return true;
}

} // namespace morvent::test
