// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#include "TReadThread.h"

#include "Poll.h"

#include <linux/serial.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <memory>
#include <utility>

namespace morvent {

namespace {

// Devices that count line errors and modem-line changes report them only when asked, so the
// reader asks this often while the line is quiet (and after every read). Devices that keep no
// counters (pseudo-terminals) are never asked again: the reader then sleeps until bytes come.
constexpr int kLineStatusPeriodMs = 50;

enum Counter { Ring, Carrier, Framing, Overrun, Parity, Break, QueueOverflow, CounterCount };

void copyCounters(const serial_icounter_struct& c, std::uint32_t (&out)[CounterCount]) {
    out[Ring] = static_cast<std::uint32_t>(c.rng);
    out[Carrier] = static_cast<std::uint32_t>(c.dcd);
    out[Framing] = static_cast<std::uint32_t>(c.frame);
    out[Overrun] = static_cast<std::uint32_t>(c.overrun);
    out[Parity] = static_cast<std::uint32_t>(c.parity);
    out[Break] = static_cast<std::uint32_t>(c.brk);
    out[QueueOverflow] = static_cast<std::uint32_t>(c.buf_overrun);
}

} // namespace

TReadThread::TReadThread(int port, const EventFd& stopEvent, NotificationQueue& notifications,
                         const SerialSystem& system)
    : CommWorker(port, stopEvent, notifications, system) {}

TReadThread::~TReadThread() {
    join();
}

bool TReadThread::start() {
    return startThread([this] { run(); }, "comm-reader");
}

void TReadThread::startReply(ReplyComplete complete) {
    const std::lock_guard lock(m_lock);
    tcflush(m_port, TCIFLUSH);
    m_timing.setReplyComplete(std::move(complete));
    m_replyStarts = true;
}

std::chrono::milliseconds TReadThread::waitMilliseconds(std::size_t count) const {
    const std::chrono::milliseconds due = m_timing.untilDue(count);
    if (!m_countersKept) {
        return due;
    }
    const std::chrono::milliseconds period(kLineStatusPeriodMs);
    return due.count() < 0 ? period : std::min(due, period);
}

void TReadThread::deliver(const std::uint8_t* bytes, std::size_t count) {
    // One spare zero byte after the data, so a handler that takes the bytes as text finds an end.
    auto block = std::make_unique<std::uint8_t[]>(count + 1);
    std::memcpy(block.get(), bytes, count);
    m_notifications.post(CommNotification::ReceiveData, static_cast<std::uint32_t>(count),
                         std::move(block));
}

void TReadThread::checkLineCounters() {
    serial_icounter_struct raw{};
    if (m_system.lineCounters(m_port, &raw) != 0) {
        return;
    }
    std::uint32_t now[CounterCount];
    copyCounters(raw, now);
    auto changed = [&](Counter c) { return now[c] != m_lastCounters[c]; };

    std::uint32_t errors = 0;
    if (changed(QueueOverflow)) {
        errors |= LineError::ReceiveQueueOverflow;
    }
    if (changed(Overrun)) {
        errors |= LineError::Overrun;
    }
    if (changed(Parity)) {
        errors |= LineError::Parity;
    }
    if (changed(Framing)) {
        errors |= LineError::Framing;
    }
    if (changed(Break)) {
        errors |= LineError::Break;
    }
    std::uint32_t modem = 0;
    if (changed(Carrier)) {
        modem |= ModemEvent::CarrierDetect;
    }
    if (changed(Ring)) {
        modem |= ModemEvent::Ring;
    }
    std::copy(std::begin(now), std::end(now), std::begin(m_lastCounters));

    if (errors != 0) {
        m_notifications.post(CommNotification::ReceiveError, errors);
    }
    if (modem != 0) {
        m_notifications.post(CommNotification::ModemStateChange, modem);
    }
}

TReadThread::Outcome TReadThread::readAvailable(std::uint8_t* buffer, std::size_t& count,
                                                short events) {
    const ssize_t n = ::read(m_port, buffer + count, kChunkSize - count);
    if (n > 0) {
        auto got = static_cast<std::size_t>(n);
        if (m_ignoreNullChar.load()) {
            got = static_cast<std::size_t>(
                std::remove(buffer + count, buffer + count + got, std::uint8_t{0}) -
                (buffer + count));
        }
        count += got;
        return Outcome::Continue;
    }
    const int error = n < 0 ? errno : 0;
    if (n < 0 && (error == EAGAIN || error == EINTR) && !(events & (POLLHUP | POLLERR))) {
        return Outcome::Continue;
    }
    // End of file, EIO or a hang-up with nothing left to read: the device has gone (an adapter
    // pulled, the far end of a pseudo-terminal closed). Whatever was read still goes to the
    // component first. A port closed under the reader (EBADF) is not a hang-up.
    if (count > 0) {
        deliver(buffer, count);
        count = 0;
    }
    if (error != EBADF) {
        postHangup();
    }
    return Outcome::Stop;
}

void TReadThread::run() {
    serial_icounter_struct initial{};
    m_countersKept = m_system.lineCounters(m_port, &initial) == 0;
    if (m_countersKept) {
        copyCounters(initial, m_lastCounters);
    }

    std::uint8_t buffer[kChunkSize];
    std::size_t count = 0;

    for (;;) {
        pollfd fds[2] = {{m_stopEvent.fd(), POLLIN, 0}, {m_port, POLLIN, 0}};
        if (pollRetrying(fds, waitMilliseconds(count)) < 0) {
            postHangup();
            break;
        }
        if (fds[0].revents != 0) {
            break;
        }
        if (fds[1].revents & POLLNVAL) {
            break;
        }

        const std::lock_guard lock(m_lock);
        if (std::exchange(m_replyStarts, false)) {
            count = 0;
        }
        if (fds[1].revents != 0) {
            const std::size_t before = count;
            if (readAvailable(buffer, count, fds[1].revents) == Outcome::Stop) {
                break;
            }
            if (count > before) {
                m_timing.arrived();
            }
        }
        if (m_countersKept) {
            checkLineCounters();
        }
        if (m_timing.due({buffer, count})) {
            deliver(buffer, count);
            count = 0;
        }
    }
    tcflush(m_port, TCIFLUSH);
}

} // namespace morvent
