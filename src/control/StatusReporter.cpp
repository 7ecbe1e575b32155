// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#include "StatusReporter.h"

#include "ElidedLabel.h"

#include <QLabel>
#include <QLocale>
#include <QStatusBar>
#include <QTimer>

namespace morvent {

namespace {

// The colour of what a technician must not miss, as on the status notes' problems.
void tone(QLabel& label, bool alarm) {
    QPalette colours = label.parentWidget()->palette();
    if (alarm) {
        colours.setColor(QPalette::WindowText, QColor(0xb7, 0x1c, 0x1c));
    }
    label.setPalette(colours);
    QFont font = label.parentWidget()->font();
    font.setBold(alarm);
    label.setFont(font);
}

} // namespace

StatusReporter::StatusReporter(QStatusBar* bar)
    : QObject(bar), m_state(new ElidedLabel(bar)), m_activity(new ElidedLabel(bar)),
      m_awaiting(new ElidedLabel(bar)), m_tick(new QTimer(this)) {
    m_state->setObjectName(QStringLiteral("ConnectionState"));
    m_activity->setObjectName(QStringLiteral("Activity"));
    m_awaiting->setObjectName(QStringLiteral("AwaitedReply"));
    m_state->setMinimumWidth(260);
    bar->addWidget(m_state);
    bar->addWidget(m_activity);
    bar->addWidget(m_awaiting, 1);
    // Ticks only while a reply is awaited, so an idle window costs nothing.
    m_tick->setInterval(100);
    connect(m_tick, &QTimer::timeout, this, [this] { refreshAwaiting(); });
    setConnectionState(tr("Disconnected"));
    clearActivity();
}

void StatusReporter::setConnectionState(const QString& state, bool alarm) {
    m_state->setText(state);
    m_state->setToolTip(state);
    m_alarm = alarm;
    tone(*m_state, alarm);
}

void StatusReporter::setActivity(const QString& text, bool warning) {
    m_activity->setText(text);
    m_activity->setToolTip(text);
    m_activity->setVisible(!text.isEmpty());
    tone(*m_activity, warning);
}

QString StatusReporter::activityText() const {
    return m_activity->text();
}

QString StatusReporter::connectionState() const {
    return m_state->text();
}

void StatusReporter::awaiting(const QString& what, bool quietUntilLate) {
    m_what = what;
    m_quiet = quietUntilLate;
    m_since.start();
    m_tick->start();
    refreshAwaiting();
}

void StatusReporter::clearAwaiting() {
    m_what.clear();
    m_tick->stop();
    m_awaiting->clear();
    m_awaiting->setToolTip({});
}

QString StatusReporter::awaitingText() const {
    return m_awaiting->text();
}

void StatusReporter::refreshAwaiting() {
    showAwaiting();
    m_awaiting->setToolTip(m_awaiting->text());
}

void StatusReporter::showAwaiting() {
    const qint64 elapsed = m_since.elapsed();
    // In the window's language's own way: "1,5 s" in German.
    const QString seconds = QLocale().toString(static_cast<double>(elapsed) / 1000.0, 'f', 1);
    if (elapsed < m_noReplyAfterMs) {
        //: %1 is what is awaited, a whole text of its own ("Read Flash: Pedal Assist, 2 of 5");
        //: %2 the seconds waited so far.
        m_awaiting->setText(m_quiet ? QString() : tr("%1, %2 s").arg(m_what, seconds));
    } else {
        //: %1 is what is awaited, a whole text of its own ("Read Flash: Pedal Assist, 2 of 5");
        //: %2 the seconds waited so far.
        m_awaiting->setText(tr("No reply from the controller (%1, %2 s)").arg(m_what, seconds));
    }
}

} // namespace morvent
