// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#include "NotificationQueue.h"

#include "EventFd.h"

#include <QSocketNotifier>

#include <cerrno>
#include <system_error>

namespace morvent {

// An eventfd stays readable until drained, so the socket notifier fires again for whatever is
// left, also inside a nested event loop: nothing needs doing to be woken again.
struct NotificationWakeUp::Watch {
    EventFd event;
    QSocketNotifier* notifier = nullptr;

    ~Watch() {
        // The notifier goes before the descriptor it watches.
        delete notifier;
    }
};

NotificationWakeUp::NotificationWakeUp(std::function<void()> woken, QObject* parent)
    : m_watch(std::make_unique<Watch>()) {
    if (!m_watch->event.valid()) {
        throw std::system_error(errno, std::generic_category(), "eventfd");
    }
    m_watch->notifier = new QSocketNotifier(m_watch->event.fd(), QSocketNotifier::Read, parent);
    QObject::connect(m_watch->notifier, &QSocketNotifier::activated, parent, std::move(woken));
}

NotificationWakeUp::~NotificationWakeUp() = default;

void NotificationWakeUp::signal() {
    m_watch->event.signal();
}

void NotificationWakeUp::again() {}

void NotificationWakeUp::settle() {
    m_watch->event.drain();
}

} // namespace morvent
