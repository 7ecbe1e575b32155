// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#pragma once

#include "ControllerExchange.h"

#include <QObject>

class QTimer;

namespace morvent {

class AwaitedWording;
class MessageBoxes;
class TComm;
class TrafficLog;

// The window's end of the exchange: its waits block the main thread, as the controller needs a
// quiet line between frames; a reply ends after the line's silence and comes to the dispatcher
// through the component's receive event, so awaiting it is only saying so in the status bar.
// Every frame goes to the traffic log, sent or not.
class WindowLine : public QObject, public ExchangeLine {
    Q_OBJECT

public:
    WindowLine(TComm& comm, QTimer& probeTimer, TrafficLog& log, AwaitedWording& wording,
               MessageBoxes& boxes, const LineTiming& timing);

    // Continuous Get runs: a request is one of its ticks.
    void setPolling(bool polling) { m_polling = polling; }

    // After a reply: the reader starts afresh for the next one.
    void reopen();

    void setRate(std::uint32_t baud) override;
    void expectReply(ReplyWhole whole) override;
    void quietUntil(std::chrono::steady_clock::time_point until) override;
    bool send(const Bytes& frame) override;
    void awaitReply(std::uint8_t code, PendingRequestKind awaiting) override;
    // Probing goes on with the probe timer's tick when no identity came by then.
    void listen(std::chrono::milliseconds time) override;

signals:
    // A frame could not be sent while Continuous Get runs, before the box says so.
    void pollingFailed();

private:
    TComm& m_comm;
    QTimer& m_probeTimer;
    bool m_polling = false;
    TrafficLog& m_log;
    AwaitedWording& m_wording;
    MessageBoxes& m_boxes;
};

} // namespace morvent
