// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

// pty_link TCP-PORT: the far end of a serial line for the Windows tests under Wine. Opens a
// pseudo-terminal and links it as the first free COM port of the Wine prefix (a link comN in its
// dosdevices folder). Then connects to the test on 127.0.0.1:TCP-PORT, sends the port's name and
// the device's path on one line ("COM12 /dev/pts/3"), and relays bytes between the connection
// and the line. Wine hands no pipe to a Linux
// program, so the test speaks to it over the connection. When the test closes it (or ends), this
// removes the link and closes the line: the port's user sees the far end go away.

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <poll.h>
#include <stdlib.h>
#include <sys/socket.h>
#include <termios.h>
#include <unistd.h>

#include <cstdio>
#include <string>

namespace {

bool writeAll(int fd, const char* bytes, ssize_t size) {
    while (size > 0) {
        const ssize_t n = ::write(fd, bytes, static_cast<size_t>(size));
        if (n <= 0) {
            return false;
        }
        bytes += n;
        size -= n;
    }
    return true;
}

// Links the device as the first free COMn; "COMn", or empty when no name was free.
std::string makeLink(const std::string& device, std::string& link) {
    const char* prefix = ::getenv("WINEPREFIX");
    const std::string folder =
        (prefix ? std::string(prefix) : std::string(::getenv("HOME")) + "/.wine") + "/dosdevices/";
    for (int n = 10; n <= 250; ++n) {
        link = folder + "com" + std::to_string(n);
        if (::symlink(device.c_str(), link.c_str()) == 0) {
            return "COM" + std::to_string(n);
        }
    }
    return {};
}

} // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: pty_link TCP-PORT\n");
        return 2;
    }
    const int master = ::posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (master < 0 || ::grantpt(master) != 0 || ::unlockpt(master) != 0) {
        std::perror("pty_link: no pseudo-terminal");
        return 1;
    }
    const std::string device = ::ptsname(master);
    // Held, never read: the line stays up while the port's user closes and reopens it.
    const int slave = ::open(device.c_str(), O_RDWR | O_NOCTTY | O_CLOEXEC);
    termios raw{};
    ::tcgetattr(slave, &raw);
    ::cfmakeraw(&raw);
    ::tcsetattr(slave, TCSANOW, &raw);

    sockaddr_in test{};
    test.sin_family = AF_INET;
    test.sin_port = htons(static_cast<uint16_t>(std::atoi(argv[1])));
    test.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    const int connection = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    const int one = 1;
    ::setsockopt(connection, IPPROTO_TCP, TCP_NODELAY, &one, sizeof one);
    if (::connect(connection, reinterpret_cast<const sockaddr*>(&test), sizeof test) != 0) {
        std::perror("pty_link: cannot reach the test");
        return 1;
    }
    std::string link;
    const std::string name = makeLink(device, link);
    const std::string line = name.empty() ? "error: no link made\n" : name + ' ' + device + '\n';
    writeAll(connection, line.data(), static_cast<ssize_t>(line.size()));

    char buffer[4096];
    while (!name.empty()) {
        pollfd fds[2] = {{connection, POLLIN, 0}, {master, POLLIN, 0}};
        if (::poll(fds, 2, -1) < 0) {
            continue;
        }
        if (fds[0].revents != 0) {
            const ssize_t n = ::read(connection, buffer, sizeof buffer);
            if (n <= 0 || !writeAll(master, buffer, n)) {
                break;
            }
        }
        if (fds[1].revents != 0) {
            const ssize_t n = ::read(master, buffer, sizeof buffer);
            if (n <= 0 || !writeAll(connection, buffer, n)) {
                break;
            }
        }
    }
    if (!name.empty()) {
        ::unlink(link.c_str());
    }
    ::close(master);
    ::close(slave);
    ::close(connection);
    return 0;
}
