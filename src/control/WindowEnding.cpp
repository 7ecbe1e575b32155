#include "WindowEnding.h"

#include <QCoreApplication>
#include <QSocketNotifier>
#include <QWidget>

namespace morvent {

WindowEnding::WindowEnding(QWidget& window) {
    if (m_signals.fd() < 0) {
        return;
    }
    m_notifier = new QSocketNotifier(m_signals.fd(), QSocketNotifier::Read, this);
    connect(m_notifier, &QSocketNotifier::activated, this, [this, &window] {
        m_signals.take();
        window.close();
        QCoreApplication::exit(0);
    });
}

WindowEnding::~WindowEnding() {
    // The notifier goes before the descriptor it watches.
    delete m_notifier;
}

} // namespace morvent
