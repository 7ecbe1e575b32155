// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#include "AwaitedWording.h"

#include "BlockLayout.h"
#include "Frames.h"
#include "ParameterTable.h"
#include "StatusReporter.h"

#include <array>

namespace morvent {

namespace {

// Each wait is one whole sentence, block by block: in other languages the block's name bends
// with the sentence around it, which a sentence assembled from parts cannot do.
struct BlockWaits {
    const char* read;
    const char* stored;
};
constexpr std::array<BlockWaits, 4> kBlockWaits{{
    {QT_TRANSLATE_NOOP("morvent::AwaitedWording", "Waiting for the Basic block"),
     QT_TRANSLATE_NOOP("morvent::AwaitedWording", "Waiting for the Basic block to be stored")},
    {QT_TRANSLATE_NOOP("morvent::AwaitedWording", "Waiting for the Pedal Assist block"),
     QT_TRANSLATE_NOOP("morvent::AwaitedWording",
                       "Waiting for the Pedal Assist block to be stored")},
    {QT_TRANSLATE_NOOP("morvent::AwaitedWording", "Waiting for the Throttle Handle block"),
     QT_TRANSLATE_NOOP("morvent::AwaitedWording",
                       "Waiting for the Throttle Handle block to be stored")},
    {QT_TRANSLATE_NOOP("morvent::AwaitedWording", "Waiting for the Torque block"),
     QT_TRANSLATE_NOOP("morvent::AwaitedWording", "Waiting for the Torque block to be stored")},
}};

// A chain's step, one whole sentence per chain and step for the same reason: the blocks in
// their order, then the live readings that end Read Flash.
using ChainSteps = std::array<const char*, 5>;
constexpr ChainSteps kReadSteps{
    QT_TRANSLATE_NOOP("morvent::AwaitedWording", "Read Flash: Basic, %1 of %2"),
    QT_TRANSLATE_NOOP("morvent::AwaitedWording", "Read Flash: Pedal Assist, %1 of %2"),
    QT_TRANSLATE_NOOP("morvent::AwaitedWording", "Read Flash: Throttle Handle, %1 of %2"),
    QT_TRANSLATE_NOOP("morvent::AwaitedWording", "Read Flash: Torque, %1 of %2"),
    QT_TRANSLATE_NOOP("morvent::AwaitedWording", "Read Flash: Live Readings, %1 of %2"),
};
constexpr ChainSteps kWriteSteps{
    QT_TRANSLATE_NOOP("morvent::AwaitedWording", "Write Flash: Basic, %1 of %2"),
    QT_TRANSLATE_NOOP("morvent::AwaitedWording", "Write Flash: Pedal Assist, %1 of %2"),
    QT_TRANSLATE_NOOP("morvent::AwaitedWording", "Write Flash: Throttle Handle, %1 of %2"),
    QT_TRANSLATE_NOOP("morvent::AwaitedWording", "Write Flash: Torque, %1 of %2"),
    QT_TRANSLATE_NOOP("morvent::AwaitedWording", "Write Flash: Live Readings, %1 of %2"),
};
constexpr ChainSteps kCompareSteps{
    QT_TRANSLATE_NOOP("morvent::AwaitedWording", "Compare With Controller: Basic, %1 of %2"),
    QT_TRANSLATE_NOOP("morvent::AwaitedWording", "Compare With Controller: Pedal Assist, %1 of %2"),
    QT_TRANSLATE_NOOP("morvent::AwaitedWording",
                      "Compare With Controller: Throttle Handle, %1 of %2"),
    QT_TRANSLATE_NOOP("morvent::AwaitedWording", "Compare With Controller: Torque, %1 of %2"),
    QT_TRANSLATE_NOOP("morvent::AwaitedWording",
                      "Compare With Controller: Live Readings, %1 of %2"),
};

} // namespace

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
    // A chain's step: its place, the live readings ending Read Flash.
    QString wait = tr("Waiting for the live readings");
    QString stored = wait;
    int place = static_cast<int>(kAllBlocks.size()) + 1;
    if (code == morvent::code(Command::FirmwareText)) {
        wait = stored = tr("Waiting for the firmware text");
    } else if (const auto block = blockForCode(code); block && !liveReadings) {
        const BlockWaits& words = kBlockWaits.at(static_cast<std::size_t>(*block));
        wait = tr(words.read);
        stored = tr(words.stored);
        place = static_cast<int>(*block) + 1;
    }
    const auto step = static_cast<std::size_t>(place - 1);
    const int blocks = static_cast<int>(kAllBlocks.size());
    switch (pending) {
    case FlashReadChain:
        m_status.awaiting(tr(kReadSteps.at(step)).arg(place).arg(blocks + 1));
        break;
    case FlashWriteChain:
        m_status.awaiting(tr(kWriteSteps.at(step)).arg(place).arg(blocks));
        break;
    case ControllerComparison:
        m_status.awaiting(tr(kCompareSteps.at(step)).arg(place).arg(blocks));
        break;
    case SingleWrite:
        m_status.awaiting(stored);
        break;
    default:
        m_status.awaiting(wait);
        break;
    }
}

} // namespace morvent
