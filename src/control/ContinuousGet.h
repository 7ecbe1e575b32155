// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#pragma once

#include "AwaitedRequest.h"

#include <QCoreApplication>
#include <QList>
#include <QString>

class QPushButton;
class QTimer;

namespace morvent {

class BlockRequests;
class Form1Ui;
class StatusReporter;

// "Get" and "Continuous Get": the live readings once, or once a tick of the poll timer with the
// caption blinking and the buttons that would cut in locked until it is pressed again.
class ContinuousGet {
    Q_DECLARE_TR_FUNCTIONS(morvent::ContinuousGet)

public:
    ContinuousGet(QTimer& pollTimer, PendingRequestKind& pending, int& blink,
                  BlockRequests& requests, StatusReporter& status, Form1Ui& ui);

    // The buttons polling locks while it runs, in the order they are switched.
    QList<QPushButton*> lockedButtons() const;

    void getOnce();
    // Starts polling, or stops it when it runs.
    void toggle();
    // Ends polling when it runs: its caption comes back and the buttons it locked are enabled.
    void stop();
    void tick();

private:
    QTimer& m_pollTimer;
    PendingRequestKind& m_pending;
    int& m_blink;
    QString m_caption;
    BlockRequests& m_requests;
    StatusReporter& m_status;
    Form1Ui& m_ui;
};

} // namespace morvent
