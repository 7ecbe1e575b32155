// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#include "ContinuousGet.h"

#include "BlockRequests.h"
#include "Form1Ui.h"
#include "StatusReporter.h"

#include <QPushButton>
#include <QTimer>

#include <utility>

namespace morvent {

ContinuousGet::ContinuousGet(QTimer& pollTimer, int& blink, BlockRequests& requests,
                             StatusReporter& status, Form1Ui& ui)
    : m_pollTimer(pollTimer), m_blink(blink), m_requests(requests), m_status(status), m_ui(ui) {}

void ContinuousGet::setPolling(bool polling) {
    if (polling) {
        m_pollTimer.start();
    } else {
        m_pollTimer.stop();
    }
    if (std::exchange(m_polling, polling) != polling) {
        emit pollingChanged(polling);
    }
}

QList<QPushButton*> ContinuousGet::lockedButtons() const {
    return {m_ui.BitBtn11, m_ui.BitBtn9, m_ui.BitBtn8, m_ui.BitBtn7, m_ui.BitBtn6,
            m_ui.BitBtn5,  m_ui.BitBtn4, m_ui.BitBtn3, m_ui.BitBtn2, m_ui.BitBtn14,
            m_ui.BitBtn15, m_ui.BitBtn1, m_ui.BitBtn12};
}

void ContinuousGet::getOnce() {
    m_requests.get();
    setPolling(false);
}

void ContinuousGet::toggle() {
    if (!m_polling) {
        // The caption as the window gave it, with its access key, to blink with.
        m_caption = m_ui.BitBtn13->text();
        // The first request goes out with the first tick, 500 ms from now.
        setPolling(true);
        for (QPushButton* button : lockedButtons()) {
            button->setEnabled(false);
        }
        m_status.setActivity(tr("Continuous Get running: press Continuous Get again to stop"));
        return;
    }
    stop();
}

void ContinuousGet::stop() {
    if (!m_polling) {
        return;
    }
    setPolling(false);
    m_status.clearActivity();
    m_ui.BitBtn13->setText(m_caption);
    for (QPushButton* button : lockedButtons()) {
        button->setEnabled(true);
    }
}

void ContinuousGet::tick() {
    // One request a tick, whether or not the last one was answered.
    m_requests.get();
    // A send that failed, or a hang-up while its box was open, has ended polling and put the
    // caption back; blinking on would blank it.
    if (!m_polling) {
        return;
    }
    m_blink = m_blink == 0 ? 1 : 0;
    m_ui.BitBtn13->setText(m_blink == 1 ? m_caption : QString());
}

} // namespace morvent
