// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#pragma once

#include "CommTypes.h"

#include <QObject>

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>

namespace morvent {

// One thing a worker thread tells the component.
struct Notification {
    CommNotification kind = CommNotification::ReceiveData;
    // The byte count of received data, the flags of a line error or a modem change.
    std::uint32_t parameter = 0;
    // Received bytes (with one spare zero byte after them); released with the notification.
    std::unique_ptr<std::uint8_t[]> bytes;
};

// Wakes the thread it was made on from any other thread, without the waker touching Qt; each
// system its own way (posix/: an eventfd that a socket notifier watches; win32/: an auto-reset
// event that a QWinEventNotifier watches). A wake-up stays pending until settled.
class NotificationWakeUp {
public:
    NotificationWakeUp(std::function<void()> woken, QObject* parent);
    ~NotificationWakeUp();
    NotificationWakeUp(const NotificationWakeUp&) = delete;
    NotificationWakeUp& operator=(const NotificationWakeUp&) = delete;

    // From any thread.
    void signal();
    // Called by the woken thread when more is left for it (it ends a pass early, or a handler
    // is about to run a nested event loop): it is woken again for that.
    void again();
    // Called by the woken thread, under the lock that signalling takes first, once it has seen
    // that nothing is left: the pending wake-up is taken away.
    void settle();

private:
    struct Watch;
    std::unique_ptr<Watch> m_watch;
};

// The channel from the worker threads to the component's thread: workers post from any thread,
// the component's thread delivers in posting order, one notification at a time, also from inside
// a nested event loop (a message box shown by a handler). Workers never touch Qt: they append to
// a locked queue and wake the component's thread. What is queued stays queued across closing and
// reopening the port.
//
// Received bytes wait here only up to kPendingBytesLimit, far more than any reply holds: a
// device that floods the line faster than the component's thread takes its bytes (or while it
// is busy) would otherwise grow the queue without bound. Bytes beyond that are dropped and
// counted.
class NotificationQueue : public QObject {
public:
    using Deliver = std::function<void(const Notification&)>;
    static constexpr std::size_t kPendingBytesLimit = 64 * 1024;

    NotificationQueue(Deliver deliver, QObject* parent);
    ~NotificationQueue() override;

    // Safe from any thread.
    void post(CommNotification kind, std::uint32_t parameter = 0,
              std::unique_ptr<std::uint8_t[]> bytes = nullptr);
    // Drops everything not delivered yet.
    void discard();
    // Drops the received bytes not delivered yet, and nothing else: a hang-up still comes.
    void discardReceived();
    // Received bytes dropped so far because too many were waiting.
    std::uint64_t droppedBytes() const { return m_droppedBytes.load(); }

private:
    void deliverPending();
    void discardWhere(bool (*drop)(const Notification&));

    Deliver m_deliver;
    NotificationWakeUp m_wakeUp;
    std::mutex m_mutex;
    std::deque<Notification> m_pending;
    std::size_t m_pendingBytes = 0; // received bytes in m_pending
    std::atomic<std::uint64_t> m_droppedBytes{0};
};

} // namespace morvent
