// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#include "WindowEnding.h"

#include "Unit1.h"

#include <QCoreApplication>
#include <QSocketNotifier>

#include <utility>

namespace morvent {

WindowEnding::WindowEnding(TForm1& form) : m_form(form) {
    if (EndingRequests::comeAsWindowMessages()) {
        QCoreApplication::instance()->installNativeEventFilter(this);
    }
    if (m_requests.fd() < 0) {
        return;
    }
    m_notifier = new QSocketNotifier(m_requests.fd(), QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, [this] {
        m_requests.take();
        end();
    });
}

WindowEnding::~WindowEnding() {
    if (EndingRequests::comeAsWindowMessages()) {
        QCoreApplication::instance()->removeNativeEventFilter(this);
    }
    // The notifier goes before the descriptor it watches.
    delete m_notifier;
}

bool WindowEnding::nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) {
    // Every top-level window gets the message; the first ends the program, synchronously, as
    // the system may end the process the moment it is answered. Qt answers it after this.
    if (EndingRequests::endsNow(eventType.constData(), message)) {
        QCoreApplication::instance()->removeNativeEventFilter(this);
        end();
    }
    return false;
}

void WindowEnding::end() {
    // Requests that follow the first (a logout's, a second Ctrl+C) wait for its ending.
    if (std::exchange(m_ending, true)) {
        return;
    }
    m_form.endBySignal();
    QCoreApplication::exit(0);
}

} // namespace morvent
