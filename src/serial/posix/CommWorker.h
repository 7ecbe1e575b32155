// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#pragma once

#include "EventFd.h"
#include "NotificationQueue.h"
#include "SerialSystem.h"

#include <thread>
#include <utility>

namespace morvent {

// What the reader and the writer share: the port, the stop event that ends them, the queue that
// carries their notifications to the component's thread, and their thread. The thread is a
// std::thread on purpose: ThreadSanitizer leaves a thread started inside Qt unjudged.
class CommWorker {
public:
    CommWorker(const CommWorker&) = delete;
    CommWorker& operator=(const CommWorker&) = delete;

    // Waits for the thread to end; the stop event must have been signalled first.
    void join() {
        if (m_thread.joinable()) {
            m_thread.join();
        }
    }

protected:
    CommWorker(int port, const EventFd& stopEvent, NotificationQueue& notifications,
               const SerialSystem& system)
        : m_port(port), m_stopEvent(stopEvent), m_notifications(notifications), m_system(system) {}
    // A worker joins in its own destructor, while the members its thread uses still exist.
    ~CommWorker() = default;

    template <typename Body> bool startThread(Body body, const char* name) {
        return m_system.startThread(m_thread, std::move(body), name);
    }
    void postHangup() { m_notifications.post(CommNotification::RequestHangup); }

    const int m_port;
    const EventFd& m_stopEvent;
    NotificationQueue& m_notifications;
    const SerialSystem& m_system;

private:
    std::thread m_thread;
};

} // namespace morvent
