// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#include "WindowEnding.h"

#include "Unit1.h"

#include <QCoreApplication>
#include <QSocketNotifier>

#include <utility>

namespace morvent {

WindowEnding::WindowEnding(TForm1& form) {
    if (m_signals.fd() < 0) {
        return;
    }
    m_notifier = new QSocketNotifier(m_signals.fd(), QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, [this, &form] {
        m_signals.take();
        // Signals that follow the first (a logout's, a second Ctrl+C) wait for its ending.
        if (!std::exchange(m_ending, true)) {
            form.endBySignal();
            QCoreApplication::exit(0);
        }
    });
}

WindowEnding::~WindowEnding() {
    // The notifier goes before the descriptor it watches.
    delete m_notifier;
}

} // namespace morvent
