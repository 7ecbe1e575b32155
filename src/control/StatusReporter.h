// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QString>

class QLabel;
class QStatusBar;
class QTimer;

namespace morvent {

// The status bar: the state of the connection (a lost one in a colour that stands out), what
// runs on its own or was cut short (Continuous Get, a chain ended by a tab click), and the reply
// the window awaits with the time it has been awaited. It only reports; what the window awaits is
// decided elsewhere, and a reply that is late changes nothing but the words shown. A text too long
// for its place ends in "…", the whole of it in its tooltip.
class StatusReporter : public QObject {
    Q_OBJECT

public:
    explicit StatusReporter(QStatusBar* bar);

    // A reply not in by then is reported as missing (it may still come); 1.5 s unless set.
    void setNoReplyAfter(int ms) { m_noReplyAfterMs = ms; }

    void setConnectionState(const QString& state, bool alarm = false);
    QString connectionState() const;
    bool connectionAlarm() const { return m_alarm; }

    // Stays until replaced or cleared; a warning is shown in the alarm colour.
    void setActivity(const QString& text, bool warning = false);
    void clearActivity() { setActivity({}); }
    QString activityText() const;

    // Starts the clock on an awaited reply, described in words ("Waiting for the Basic block").
    // Quiet until late: nothing is shown unless the reply is missing.
    void awaiting(const QString& what, bool quietUntilLate = false);
    // A reply arrived, or nothing is awaited any more.
    void clearAwaiting();
    QString awaitingText() const;
    // What is awaited, as given to awaiting(); empty when nothing is.
    QString awaitedWhat() const { return m_what; }

private:
    void refreshAwaiting();
    void showAwaiting();

    QLabel* m_state;
    QLabel* m_activity;
    QLabel* m_awaiting;
    QTimer* m_tick;
    QElapsedTimer m_since;
    QString m_what;
    bool m_alarm = false;
    bool m_quiet = false;
    int m_noReplyAfterMs = 1500;
};

} // namespace morvent
