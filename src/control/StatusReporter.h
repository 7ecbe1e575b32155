#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QString>

class QLabel;
class QStatusBar;
class QTimer;

namespace morvent {

// The status bar: the state of the connection, and the reply the window awaits with the time
// it has been awaited. It only reports; what the window awaits is decided elsewhere, and a reply
// that is late changes nothing but the words shown.
class StatusReporter : public QObject {
public:
    // A reply not in by then is reported as missing (it may still come).
    static constexpr int kNoReplyAfterMs = 1500;

    explicit StatusReporter(QStatusBar* bar);

    void setConnectionState(const QString& state);
    QString connectionState() const;

    // Starts the clock on an awaited reply, described in words ("Waiting for the Basic block").
    void awaiting(const QString& what);
    // A reply arrived, or nothing is awaited any more.
    void clearAwaiting();
    QString awaitingText() const;

private:
    void refreshAwaiting();

    QLabel* m_state;
    QLabel* m_awaiting;
    QTimer* m_tick;
    QElapsedTimer m_since;
    QString m_what;
};

} // namespace morvent
