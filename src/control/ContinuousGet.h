// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#pragma once

#include <QList>
#include <QObject>
#include <QString>

class QPushButton;
class QTimer;

namespace morvent {

class BlockRequests;
class Form1Ui;
class StatusReporter;

// "Get" and "Continuous Get": the live readings once, or once a tick of the poll timer with the
// caption blinking and the buttons that would cut in locked until it is pressed again. Whether
// it polls is kept here; the timer only paces the requests.
class ContinuousGet : public QObject {
    Q_OBJECT

public:
    ContinuousGet(QTimer& pollTimer, int& blink, BlockRequests& requests, StatusReporter& status,
                  Form1Ui& ui);

    bool polling() const { return m_polling; }

    // The buttons polling locks while it runs, in the order they are switched.
    QList<QPushButton*> lockedButtons() const;

    void getOnce();
    // Starts polling, or stops it when it runs.
    void toggle();
    // Ends polling when it runs: its caption comes back and the buttons it locked are enabled.
    void stop();
    void tick();

signals:
    void pollingChanged(bool polling);

private:
    void setPolling(bool polling);

    QTimer& m_pollTimer;
    bool m_polling = false;
    int& m_blink;
    QString m_caption;
    BlockRequests& m_requests;
    StatusReporter& m_status;
    Form1Ui& m_ui;
};

} // namespace morvent
