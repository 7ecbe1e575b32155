// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#include "TWriteThread.h"

#include "Poll.h"

#include <termios.h>
#include <unistd.h>

#include <cerrno>

namespace morvent {

TWriteThread::TWriteThread(int port, const EventFd& stopEvent, NotificationQueue& notifications,
                           const SerialSystem& system)
    : CommWorker(port, stopEvent, notifications, system) {}

TWriteThread::~TWriteThread() {
    join();
}

bool TWriteThread::start() {
    m_queueEvent = EventFd(Descriptor(m_system.createEvent()));
    if (!m_queueEvent.valid()) {
        return false;
    }
    return startThread([this] { run(); }, "comm-writer");
}

bool TWriteThread::enqueue(std::vector<std::uint8_t> bytes) {
    if (!m_queue.push(std::move(bytes))) {
        return false;
    }
    m_queueEvent.signal();
    return true;
}

bool TWriteThread::writeWhole(const std::vector<std::uint8_t>& bytes) {
    std::size_t written = 0;
    while (written < bytes.size()) {
        const ssize_t n = ::write(m_port, bytes.data() + written, bytes.size() - written);
        if (n > 0) {
            written += static_cast<std::size_t>(n);
            continue;
        }
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n < 0 && errno == EBADF) {
            return false;
        }
        if (n < 0 && errno != EAGAIN) {
            postHangup();
            return false;
        }
        // The output queue is full: wait for room, or for the port to close.
        pollfd fds[2] = {{m_stopEvent.fd(), POLLIN, 0}, {m_port, POLLOUT, 0}};
        if (pollRetrying(fds) < 0) {
            postHangup();
            return false;
        }
        if (fds[0].revents != 0) {
            return false;
        }
        if (fds[1].revents & POLLNVAL) {
            return false;
        }
        if (fds[1].revents & (POLLHUP | POLLERR)) {
            postHangup();
            return false;
        }
    }
    return true;
}

void TWriteThread::run() {
    bool announceEmpty = true;
    std::vector<std::uint8_t> bytes;
    for (;;) {
        if (m_queue.take(bytes)) {
            if (m_stopEvent.signalled() || !writeWhole(bytes)) {
                break;
            }
            announceEmpty = true;
            continue;
        }
        if (announceEmpty) {
            m_notifications.post(CommNotification::SendDataEmpty);
        }
        announceEmpty = false;

        pollfd fds[2] = {{m_stopEvent.fd(), POLLIN, 0}, {m_queueEvent.fd(), POLLIN, 0}};
        if (pollRetrying(fds) < 0) {
            postHangup();
            break;
        }
        if (fds[0].revents != 0) {
            break;
        }
        if (!m_queueEvent.drain()) {
            postHangup();
            break;
        }
    }
    m_queue.end();
    tcflush(m_port, TCOFLUSH);
}

} // namespace morvent
