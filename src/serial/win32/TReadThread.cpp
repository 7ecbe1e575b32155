// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#include "TReadThread.h"

#include <windows.h>

#include <cstring>
#include <memory>
#include <utility>

namespace morvent {

namespace {

constexpr DWORD kStatusMask = EV_RLSD | EV_ERR | EV_RING;

} // namespace

// The body's state: both overlapped operations with their events and buffers, and the chunk in
// hand. Each step returns false when the reader is to end.
class TReadThread::Loop {
public:
    explicit Loop(TReadThread& reader) : m_reader(reader), m_port(reader.m_port) {}

    void run() {
        m_readEvent.reset(m_reader.m_system.createEvent(true, true));
        m_statusEvent.reset(m_reader.m_system.createEvent(true, true));
        if (!m_readEvent.valid() || !m_statusEvent.valid() || !::SetCommMask(m_port, kStatusMask)) {
            m_reader.postHangup();
            return;
        }
        m_read.hEvent = m_readEvent.get();
        m_status.hEvent = m_statusEvent.get();
        bool armed = false;
        {
            const std::lock_guard lock(m_reader.m_lock);
            armed = armStatus() && armRead();
        }
        if (armed) {
            while (waitOnce()) {
            }
        }
        // Nothing of this thread may stay in the system's hands once it has gone.
        if (m_readPending) {
            m_reader.abandon(&m_read);
        }
        if (m_statusPending) {
            m_reader.abandon(&m_status);
        }
        const std::lock_guard lock(m_reader.m_lock);
        m_reader.m_readUnderWay = nullptr;
    }

private:
    bool timesChunks() const { return m_reader.m_timesChunks.load(); }

    bool waitOnce() {
        // In this order: the stop signal wins over anything else that is ready.
        HANDLE set[3] = {m_reader.m_stopEvent};
        DWORD count = 1;
        const bool statusPending = m_statusPending;
        if (statusPending) {
            set[count++] = m_statusEvent.get();
        }
        const DWORD statusAt = WAIT_OBJECT_0 + 1;
        const DWORD readAt = WAIT_OBJECT_0 + count;
        if (m_readPending) {
            set[count++] = m_readEvent.get();
        }
        DWORD wait = INFINITE;
        if (timesChunks()) {
            const auto due = m_reader.m_timing.untilDue(m_count);
            wait = due.count() < 0 ? INFINITE : static_cast<DWORD>(due.count());
        }
        const DWORD woken = ::WaitForMultipleObjects(count, set, FALSE, wait);
        if (woken == WAIT_OBJECT_0) {
            return false;
        }
        const std::lock_guard lock(m_reader.m_lock);
        if (std::exchange(m_reader.m_replyStarts, false)) {
            m_count = 0;
            // Cancelled, the read comes back with bytes that came before the reply, or none. One
            // made after the reply started (the first, when it started before) is the reply's.
            m_dropRead = std::exchange(m_reader.m_readCancelled, false);
        }
        if (woken == WAIT_TIMEOUT) {
            chunkIfDue();
            return true;
        }
        if (statusPending && woken == statusAt) {
            m_statusPending = false;
            return statusCompleted() && armStatus();
        }
        if (m_readPending && woken == readAt) {
            m_readPending = false;
            m_reader.m_readUnderWay = nullptr;
            return readCompleted() && armRead();
        }
        m_reader.postHangup();
        return false;
    }

    bool armRead() {
        for (;;) {
            if (m_reader.stopping()) {
                return false;
            }
            // A chunk the reader times may be delivered while this read is under way; what the
            // read brings is then the start of the next one, and fits as well.
            const auto wanted = static_cast<DWORD>(kChunkSize - m_count);
            DWORD got = 0;
            if (::ReadFile(m_port, m_incoming, wanted, &got, &m_read)) {
                took(got);
                continue;
            }
            const DWORD error = ::GetLastError();
            if (error == ERROR_IO_PENDING) {
                m_readPending = true;
                m_reader.m_readUnderWay = &m_read;
                return true;
            }
            if (error == ERROR_TIMEOUT) {
                took(0);
                continue;
            }
            return failed(error, 0);
        }
    }

    bool readCompleted() {
        DWORD got = 0;
        const bool done = ::GetOverlappedResult(m_port, &m_read, &got, FALSE);
        const DWORD error = done ? ERROR_SUCCESS : ::GetLastError();
        if (std::exchange(m_dropRead, false) &&
            (done || error == ERROR_OPERATION_ABORTED || error == ERROR_TIMEOUT)) {
            return true;
        }
        if (done) {
            took(got);
            return true;
        }
        // Wine completes a read whose total timeout ran out empty with a timeout error, where
        // Windows completes it with no bytes.
        if (error == ERROR_TIMEOUT) {
            took(got);
            return true;
        }
        return failed(error, got);
    }

    // A read or status wait that failed: a port closed under the reader (an invalid handle) is
    // not a hang-up; anything else is the device gone or broken, reported after the bytes that
    // came before it.
    bool failed(DWORD error, DWORD got) {
        if (error == ERROR_INVALID_HANDLE) {
            return false;
        }
        took(got);
        if (m_count > 0) {
            deliver();
        }
        m_reader.postHangup();
        return false;
    }

    void took(DWORD got) {
        if (got > 0) {
            std::memcpy(m_chunk + m_count, m_incoming, got);
            m_count += got;
            m_reader.m_timing.arrived();
        }
        if (!timesChunks()) {
            // The device's timeouts ended this read: it is one chunk. One that completed empty
            // is simply made again, so the port never stays open but deaf.
            if (m_count > 0) {
                deliver();
            }
            return;
        }
        chunkIfDue();
    }

    void chunkIfDue() {
        if (m_reader.m_timing.due({m_chunk, m_count})) {
            deliver();
        }
    }

    void deliver() {
        // One spare zero byte after the data, so a handler that takes the bytes as text finds
        // an end.
        auto block = std::make_unique<std::uint8_t[]>(m_count + 1);
        std::memcpy(block.get(), m_chunk, m_count);
        m_reader.m_notifications.post(CommNotification::ReceiveData,
                                      static_cast<std::uint32_t>(m_count), std::move(block));
        m_count = 0;
    }

    bool armStatus() {
        while (m_statusWatched) {
            if (m_reader.stopping()) {
                return false;
            }
            m_mask = 0;
            if (::WaitCommEvent(m_port, &m_mask, &m_status)) {
                if (!statusHappened()) {
                    return false;
                }
                continue;
            }
            const DWORD error = ::GetLastError();
            if (error == ERROR_IO_PENDING) {
                m_statusPending = true;
                return true;
            }
            if (error == ERROR_NOT_SUPPORTED || error == ERROR_INVALID_FUNCTION) {
                // No line status from this device; its bytes still come through the read.
                m_statusWatched = false;
                return true;
            }
            if (error != ERROR_INVALID_HANDLE) {
                m_reader.postHangup();
            }
            return false;
        }
        return true;
    }

    bool statusCompleted() {
        DWORD unused = 0;
        if (!::GetOverlappedResult(m_port, &m_status, &unused, FALSE)) {
            if (::GetLastError() != ERROR_INVALID_HANDLE) {
                m_reader.postHangup();
            }
            return false;
        }
        return statusHappened();
    }

    bool statusHappened() {
        bool reported = false;
        if (m_mask & EV_ERR) {
            DWORD errors = 0;
            if (!::ClearCommError(m_port, &errors, nullptr)) {
                if (::GetLastError() != ERROR_INVALID_HANDLE) {
                    m_reader.postHangup();
                }
                return false;
            }
            // The flags are those of LineError.
            m_reader.m_notifications.post(CommNotification::ReceiveError, errors);
            reported = true;
        }
        std::uint32_t modem = 0;
        if (m_mask & EV_RLSD) {
            modem |= ModemEvent::CarrierDetect;
        }
        if (m_mask & EV_RING) {
            modem |= ModemEvent::Ring;
        }
        if (modem != 0) {
            m_reader.m_notifications.post(CommNotification::ModemStateChange, modem);
            reported = true;
        }
        // An empty mask: the wait was ended by something other than line status.
        if (!reported) {
            m_reader.postHangup();
        }
        return reported;
    }

    TReadThread& m_reader;
    const HANDLE m_port;
    WinHandle m_readEvent;
    WinHandle m_statusEvent;
    OVERLAPPED m_read{};
    OVERLAPPED m_status{};
    bool m_readPending = false;
    // The read under way was cancelled as the awaited reply started: what it brings is dropped.
    bool m_dropRead = false;
    bool m_statusPending = false;
    bool m_statusWatched = true;
    DWORD m_mask = 0;
    std::uint8_t m_incoming[kChunkSize];
    std::uint8_t m_chunk[kChunkSize];
    std::size_t m_count = 0;
};

TReadThread::TReadThread(Handle port, Handle stopEvent, NotificationQueue& notifications,
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
    // The read first: bytes that reach the device after it was cancelled are purged with the
    // rest. It completes with what it had, and the reader, woken by that, drops it.
    if (m_readUnderWay != nullptr) {
        ::CancelIoEx(m_port, static_cast<OVERLAPPED*>(m_readUnderWay));
        m_readCancelled = true;
    }
    ::PurgeComm(m_port, PURGE_RXCLEAR);
    m_timing.setReplyComplete(std::move(complete));
    m_replyStarts = true;
}

void TReadThread::run() {
    // The highest normal priority drains the 2048-byte input queue before it overflows.
    ::SetThreadPriority(::GetCurrentThread(), THREAD_PRIORITY_HIGHEST);
    Loop(*this).run();
    ::PurgeComm(m_port, PURGE_RXABORT | PURGE_RXCLEAR);
}

} // namespace morvent
