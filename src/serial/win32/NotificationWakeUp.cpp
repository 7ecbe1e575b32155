// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#include "NotificationQueue.h"

#include "WinHandle.h"

#include <QWinEventNotifier>

#include <windows.h>

#include <system_error>

namespace morvent {

// An auto-reset event: the notifier's wait takes each signal, so whatever is left when a pass
// ends, or when a handler runs an event loop of its own, is signalled again.
struct NotificationWakeUp::Watch {
    WinHandle event;
    QWinEventNotifier* notifier = nullptr;

    ~Watch() {
        // The notifier goes before the event it watches.
        delete notifier;
    }
};

NotificationWakeUp::NotificationWakeUp(std::function<void()> woken, QObject* parent)
    : m_watch(std::make_unique<Watch>()) {
    m_watch->event.reset(::CreateEventW(nullptr, FALSE, FALSE, nullptr));
    if (!m_watch->event.valid()) {
        throw std::system_error(static_cast<int>(::GetLastError()), std::system_category(),
                                "CreateEvent");
    }
    QWinEventNotifier* notifier = new QWinEventNotifier(m_watch->event.get(), parent);
    m_watch->notifier = notifier;
    QObject::connect(notifier, &QWinEventNotifier::activated, parent,
                     [notifier, woken = std::move(woken)] {
                         // The notifier watches again only once this returns; a handler that
                         // shows a message box must be woken inside its loop as well.
                         notifier->setEnabled(false);
                         notifier->setEnabled(true);
                         woken();
                     });
}

NotificationWakeUp::~NotificationWakeUp() = default;

void NotificationWakeUp::signal() {
    ::SetEvent(m_watch->event.get());
}

void NotificationWakeUp::again() {
    ::SetEvent(m_watch->event.get());
}

void NotificationWakeUp::settle() {
    // Under the posting lock, with nothing left: a signal still set is for what was delivered.
    ::ResetEvent(m_watch->event.get());
}

} // namespace morvent
