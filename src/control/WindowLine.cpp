// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#include "WindowLine.h"

#include "AwaitedWording.h"
#include "MessageBoxes.h"
#include "TComm.h"
#include "TrafficDescription.h"
#include "TrafficLog.h"
#include "Translations.h"

#include <QTimer>

#include <thread>

namespace morvent {

WindowLine::WindowLine(TComm& comm, QTimer& probeTimer, TrafficLog& log, AwaitedWording& wording,
                       MessageBoxes& boxes, const LineTiming& timing)
    : ExchangeLine(ReplyEnd::AfterSilence, timing), m_comm(comm), m_probeTimer(probeTimer),
      m_log(log), m_wording(wording), m_boxes(boxes) {}

void WindowLine::reopen() {
    m_comm.CloseComm();
    m_comm.OpenComm();
}

void WindowLine::setRate(std::uint32_t baud) {
    m_comm.setBaudRate(baud);
}

void WindowLine::expectReply(ReplyWhole whole) {
    m_comm.setReplyComplete(std::move(whole));
}

void WindowLine::quietUntil(std::chrono::steady_clock::time_point until) {
    std::this_thread::sleep_until(until);
}

bool WindowLine::send(const Bytes& frame) {
    const QString meaning = shownText(describeRequestWording(frame));
    if (m_comm.SendData(frame.data(), static_cast<std::uint16_t>(frame.size()))) {
        m_log.addSent(frame, meaning);
        return true;
    }
    //: %1 is the request as the traffic log names it, a text of its own ("Torque write").
    m_log.addSent(frame, tr("%1: not sent, the port is closed").arg(meaning));
    // Continuous Get would fail again with every tick, one box over the other and over the very
    // button that stops it: it ends here, before the one box.
    if (m_polling) {
        emit pollingFailed();
    }
    m_boxes.plain(tr("Error sending!"));
    return false;
}

void WindowLine::awaitReply(std::uint8_t code, PendingRequestKind awaiting) {
    m_wording.awaiting(code, awaiting, m_polling);
}

void WindowLine::listen(std::chrono::milliseconds time) {
    m_probeTimer.start(time);
}

} // namespace morvent
