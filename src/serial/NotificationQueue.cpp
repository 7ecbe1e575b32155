// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#include "NotificationQueue.h"

#include <QSocketNotifier>

#include <cerrno>
#include <system_error>

namespace morvent {

NotificationQueue::NotificationQueue(Deliver deliver, QObject* parent)
    : QObject(parent), m_deliver(std::move(deliver)) {
    if (!m_wakeUp.valid()) {
        throw std::system_error(errno, std::generic_category(), "eventfd");
    }
    m_notifier = new QSocketNotifier(m_wakeUp.fd(), QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, [this] { deliverPending(); });
}

NotificationQueue::~NotificationQueue() {
    // The notifier goes before the descriptor it watches.
    delete m_notifier;
}

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
    std::deque<Notification> dropped;
    const std::lock_guard lock(m_mutex);
    dropped.swap(m_pending);
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
                // Cleared only once the queue is seen empty, under the lock that posting takes
                // first: a post after this point signals again. Should a handler throw, the
                // signal stays set and the rest is delivered on the next pass.
                m_wakeUp.drain();
                return;
            }
            if (left == 0) {
                return;
            }
            --left;
            next = std::move(m_pending.front());
            m_pending.pop_front();
            if (next.kind == CommNotification::ReceiveData) {
                m_pendingBytes -= next.parameter;
            }
        }
        // One at a time, in order; a handler that runs a nested event loop lets the following
        // notifications through from inside it, as a message box does.
        m_deliver(next);
    }
}

} // namespace morvent
