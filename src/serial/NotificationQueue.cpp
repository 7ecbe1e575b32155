// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#include "NotificationQueue.h"

namespace morvent {

NotificationQueue::NotificationQueue(Deliver deliver, QObject* parent)
    : QObject(parent), m_deliver(std::move(deliver)), m_wakeUp([this] { deliverPending(); }, this) {
}

NotificationQueue::~NotificationQueue() = default;

void NotificationQueue::post(CommNotification kind, std::uint32_t parameter,
                             std::unique_ptr<std::uint8_t[]> bytes) {
    {
        const std::lock_guard lock(m_mutex);
        if (kind == CommNotification::ReceiveData) {
            if (m_pendingBytes + parameter > kPendingBytesLimit) {
                m_droppedBytes.fetch_add(parameter);
                return;
            }
            m_pendingBytes += parameter;
        }
        m_pending.push_back(Notification{kind, parameter, std::move(bytes)});
    }
    m_wakeUp.signal();
}

void NotificationQueue::discard() {
    discardWhere([](const Notification&) { return true; });
}

void NotificationQueue::discardReceived() {
    discardWhere([](const Notification& n) { return n.kind == CommNotification::ReceiveData; });
}

void NotificationQueue::discardWhere(bool (*drop)(const Notification&)) {
    // Both ways of discarding drop every received byte, so none is left pending. The dropped
    // buffers are freed after the lock is released.
    std::deque<Notification> kept;
    const std::lock_guard lock(m_mutex);
    for (Notification& notification : m_pending) {
        if (!drop(notification)) {
            kept.push_back(std::move(notification));
        }
    }
    kept.swap(m_pending);
    m_pendingBytes = 0;
}

void NotificationQueue::deliverPending() {
    // Only what was there on entry: a worker that posts as fast as this thread delivers must not
    // keep it here for ever, away from its timers and from a handler's quit. The rest comes on
    // the next pass, the wake-up still set.
    std::size_t left = 0;
    {
        const std::lock_guard lock(m_mutex);
        left = m_pending.size();
    }
    for (;;) {
        Notification next;
        {
            const std::lock_guard lock(m_mutex);
            if (m_pending.empty()) {
                // Settled only once the queue is seen empty, under the lock that posting takes
                // first: a post after this point signals again.
                m_wakeUp.settle();
                return;
            }
            if (left == 0) {
                m_wakeUp.again();
                return;
            }
            --left;
            next = std::move(m_pending.front());
            m_pending.pop_front();
            if (next.kind == CommNotification::ReceiveData) {
                m_pendingBytes -= next.parameter;
            }
            // Should the handler throw or run a loop of its own, the rest still comes.
            if (!m_pending.empty()) {
                m_wakeUp.again();
            }
        }
        // One at a time, in order; a handler that runs a nested event loop lets the following
        // notifications through from inside it, as a message box does.
        m_deliver(next);
    }
}

} // namespace morvent
