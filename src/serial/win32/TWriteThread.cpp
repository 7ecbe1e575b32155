// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#include "TWriteThread.h"

#include <windows.h>

namespace morvent {

TWriteThread::TWriteThread(Handle port, Handle stopEvent, NotificationQueue& notifications,
                           const SerialSystem& system)
    : CommWorker(port, stopEvent, notifications, system) {}

TWriteThread::~TWriteThread() {
    join();
}

bool TWriteThread::start() {
    // Auto-reset: each wake-up is taken by the one wait it ends; the queue says how much is due.
    m_queueEvent.reset(m_system.createEvent(false, false));
    if (!m_queueEvent.valid()) {
        return false;
    }
    return startThread([this] { run(); }, "comm-writer");
}

bool TWriteThread::enqueue(std::vector<std::uint8_t> bytes) {
    if (!m_queue.push(std::move(bytes))) {
        return false;
    }
    ::SetEvent(m_queueEvent.get());
    return true;
}

bool TWriteThread::writeWhole(const std::vector<std::uint8_t>& bytes, Handle written) {
    OVERLAPPED operation{};
    operation.hEvent = written;
    const auto size = static_cast<DWORD>(bytes.size());
    DWORD moved = 0;
    if (!::WriteFile(m_port, bytes.data(), size, &moved, &operation)) {
        const DWORD error = ::GetLastError();
        if (error == ERROR_INVALID_HANDLE) {
            return false;
        }
        if (error != ERROR_IO_PENDING) {
            postHangup();
            return false;
        }
        const HANDLE set[2] = {m_stopEvent, written};
        const DWORD woken = ::WaitForMultipleObjects(2, set, FALSE, INFINITE);
        if (woken != WAIT_OBJECT_0 + 1) {
            abandon(&operation);
            if (woken != WAIT_OBJECT_0) {
                postHangup();
            }
            return false;
        }
        if (!::GetOverlappedResult(m_port, &operation, &moved, TRUE)) {
            if (::GetLastError() != ERROR_INVALID_HANDLE) {
                postHangup();
            }
            return false;
        }
    }
    // Fewer bytes than asked is a failure, never continued.
    if (moved != size) {
        postHangup();
        return false;
    }
    return true;
}

void TWriteThread::run() {
    ::SetThreadPriority(::GetCurrentThread(), THREAD_PRIORITY_ABOVE_NORMAL);
    const WinHandle written(m_system.createEvent(true, true));
    if (!written.valid()) {
        postHangup();
    } else {
        bool announceEmpty = true;
        std::vector<std::uint8_t> bytes;
        for (;;) {
            if (m_queue.take(bytes)) {
                if (stopping() || !writeWhole(bytes, written.get())) {
                    break;
                }
                announceEmpty = true;
                continue;
            }
            if (announceEmpty) {
                m_notifications.post(CommNotification::SendDataEmpty);
            }
            announceEmpty = false;

            const HANDLE set[2] = {m_stopEvent, m_queueEvent.get()};
            const DWORD woken = ::WaitForMultipleObjects(2, set, FALSE, INFINITE);
            if (woken == WAIT_OBJECT_0) {
                break;
            }
            if (woken != WAIT_OBJECT_0 + 1) {
                postHangup();
                break;
            }
        }
    }
    m_queue.end();
    ::PurgeComm(m_port, PURGE_TXABORT | PURGE_TXCLEAR);
}

} // namespace morvent
