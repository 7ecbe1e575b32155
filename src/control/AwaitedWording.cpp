// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#include "AwaitedWording.h"

#include "BlockLayout.h"
#include "Frames.h"
#include "ParameterTable.h"
#include "StatusReporter.h"
#include "Translations.h"

namespace morvent {

void AwaitedWording::awaiting(std::uint8_t code, PendingRequestKind pending, bool polling) {
    const bool liveReadings = code == morvent::code(Command::LiveReadings);
    // Continuous Get says once that it runs; a wait shown at every tick would only flicker, so
    // only readings that stop coming get a word, timed from the first unanswered request.
    if (liveReadings && polling) {
        if (m_status.awaitedWhat().isEmpty()) {
            m_status.awaiting(tr("Continuous Get: the live readings"), true);
        }
        return;
    }
    m_status.clearActivity();
    QString what;
    // A chain's step: its name and place, the live readings ending Read Flash.
    QString step = tr("Live Readings");
    int place = static_cast<int>(kAllBlocks.size()) + 1;
    if (code == morvent::code(Command::FirmwareText)) {
        what = tr("the firmware text");
    } else if (liveReadings) {
        what = tr("the live readings");
    } else if (const auto block = blockForCode(code)) {
        const std::string_view title = morvent::layout(*block).title;
        step = shownText(title);
        what = tr("the %1 block").arg(step);
        place = static_cast<int>(*block) + 1;
    }
    const auto chainStep = [&](const char* chain, std::size_t steps) {
        return tr("%1: %2, %3 of %4").arg(tr(chain), step).arg(place).arg(steps);
    };
    switch (pending) {
    case FlashReadChain:
        m_status.awaiting(chainStep(QT_TR_NOOP("Read Flash"), kAllBlocks.size() + 1));
        break;
    case FlashWriteChain:
        m_status.awaiting(chainStep(QT_TR_NOOP("Write Flash"), kAllBlocks.size()));
        break;
    case ControllerComparison:
        m_status.awaiting(chainStep(QT_TR_NOOP("Compare With Controller"), kAllBlocks.size()));
        break;
    case SingleWrite:
        m_status.awaiting(tr("Waiting for %1 to be stored").arg(what));
        break;
    default:
        m_status.awaiting(tr("Waiting for %1").arg(what));
        break;
    }
}

} // namespace morvent
