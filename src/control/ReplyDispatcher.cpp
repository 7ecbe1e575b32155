// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#include "ReplyDispatcher.h"

#include "BlockCodec.h"
#include "BlockRequests.h"
#include "ChangeMarks.h"
#include "ConnectionProbing.h"
#include "ControllerExchange.h"
#include "FieldStore.h"
#include "Frames.h"
#include "IdentityReply.h"
#include "Latin1.h"
#include "LiveReadingsMonitor.h"
#include "LiveReadingsReply.h"
#include "ParameterModel.h"
#include "ParameterTable.h"
#include "StatusReporter.h"
#include "StatusTable.h"
#include "WindowLine.h"

#include <algorithm>
#include <array>

namespace morvent {

namespace {

// A reply is never longer than 74 bytes; a chunk is cut to this before anything looks at it.
constexpr std::size_t kReplyBufferSize = 291;

} // namespace

ReplyDispatcher::ReplyDispatcher(PendingRequestKind& pending, int& maxCurrent,
                                 ConnectionProbing& connection, BlockRequests& requests,
                                 WindowLine& line, Fields& fields, ParameterModel& model,
                                 StatusReporter& status, ChangeMarks& changes,
                                 LiveReadingsMonitor& liveReadings, Hooks hooks)
    : m_pending(pending), m_maxCurrent(maxCurrent), m_connection(connection), m_requests(requests),
      m_line(line), m_fields(fields), m_model(model), m_status(status), m_changes(changes),
      m_liveReadings(liveReadings), m_hooks(std::move(hooks)) {}

void ReplyDispatcher::dispatch(const std::uint8_t* buffer, std::uint16_t length) {
    // A private copy per event, zero beyond what arrived; a longer chunk is cut, and one event is
    // one reply: nothing is carried over to the next.
    std::array<std::uint8_t, kReplyBufferSize> reply{};
    const std::size_t received = std::min<std::size_t>(length, reply.size());
    std::copy_n(buffer, received, reply.begin());
    // Only what arrived is looked at: a reply shorter than its code's is refused, never read on
    // into the zeros after it.
    const std::span<const std::uint8_t> bytes(reply.data(), received);

    const std::uint8_t code = reply[0];
    if (code == morvent::code(Command::Identity)) {
        handleIdentity(bytes);
    } else if (code == morvent::code(Command::FirmwareText)) {
        handleFirmwareText(bytes);
    } else if (const auto block = blockForCode(code)) {
        handleBlockReply(*block, bytes);
    } else if (code == morvent::code(Command::LiveReadings)) {
        handleLiveReadings(bytes);
    }
}

void ReplyDispatcher::handleIdentity(std::span<const std::uint8_t> reply) {
    // Probing ends with any identity reply, valid or not.
    m_connection.stopProbing();
    if (readReplyFlaw(Command::Identity, reply) != ReplyFlaw::None) {
        m_status.setConnectionState(tr("Probing stopped: identity checksum error"));
        m_requests.information(kIdentityChecksumMessage);
        return;
    }
    m_maxCurrent = applyIdentity(reply, m_fields);
    m_connection.identified(latin1ToUtf8(reply.subspan(2, 4)), latin1ToUtf8(reply.subspan(6, 4)));
    m_pending = NothingAwaited;
    m_line.reopen();
    m_requests.sendRead(morvent::code(Command::FirmwareText));
}

void ReplyDispatcher::handleFirmwareText(std::span<const std::uint8_t> reply) {
    const bool awaited = m_requests.takeFirmwareTextAwaited();
    const ReplyFlaw flaw = readReplyFlaw(Command::FirmwareText, reply);
    if (flaw != ReplyFlaw::None) {
        m_requests.information(kFirmwareTextChecksumMessage);
    }
    // The text is shown even when its checksum fails, as it is only for reading; but only the
    // answer to the request, whole: a chunk that merely starts with 0x50 (the tail of a reply
    // cut in two) is no firmware text.
    if (awaited && flaw != ReplyFlaw::Cut) {
        applyFirmwareText(reply, m_fields);
    }
}

void ReplyDispatcher::handleBlockReply(Block block, std::span<const std::uint8_t> reply) {
    // A read reply and a write acknowledgement start with the same code; what is awaited tells
    // them apart, and a read never leaves a write awaited, so at most one of these runs.
    if (awaitsRead(m_pending)) {
        handleBlockReadReply(block, reply);
    }
    if (awaitsWrite(m_pending)) {
        handleWriteAcknowledgement(block, reply);
    }
}

void ReplyDispatcher::handleBlockReadReply(Block block, std::span<const std::uint8_t> reply) {
    if (replyFlaw(morvent::layout(block).command, m_pending, reply) != ReplyFlaw::None) {
        m_requests.information(morvent::layout(block).readChecksumMessage);
        return;
    }
    // Compare With Controller is a read chain of its own through this same path, so it has the
    // waits, the port handling and the checksum messages of Read Flash; only its replies go into
    // the copy kept aside instead of the pages, and it ends with the last block, the live
    // readings being no parameter.
    const bool comparing = m_pending == ControllerComparison;
    if (comparing) {
        // What the controller holds is known now: the pages' differences are their changes.
        applyReadReply(block, reply, m_requests.controllerCopy());
        m_model.learnFrom(block, m_requests.controllerCopy());
    } else {
        applyReadReply(block, reply, m_fields);
        m_model.learn(block);
        m_hooks.blockReadIntoPages(block);
    }
    m_line.reopen();
    if (m_pending == FlashReadChain || (comparing && block != kAllBlocks.back())) {
        m_requests.sendRead(
            static_cast<std::uint8_t>(morvent::code(morvent::layout(block).command) + 1));
    } else {
        m_pending = NothingAwaited;
        if (comparing) {
            const int changes = m_changes.count();
            m_status.setActivity(
                changes == 0
                    ? tr("No field differs from the controller")
                    : tr("Compare With Controller: %n changes not written", nullptr, changes));
        }
    }
}

void ReplyDispatcher::handleWriteAcknowledgement(Block block, std::span<const std::uint8_t> reply) {
    const BlockLayout& blockLayout = morvent::layout(block);
    if (replyFlaw(blockLayout.command, m_pending, reply) != ReplyFlaw::None) {
        m_requests.information(blockLayout.writeChecksumMessage);
        return;
    }
    const std::uint8_t status = reply[1];
    const StatusOutcome outcome = interpretStatus(block, status);
    if (outcome.kind == StatusKind::FieldRefused) {
        m_requests.showRefusedField(outcome.refusal);
    }
    const bool accepted = outcome.kind == StatusKind::Accepted;
    if (accepted) {
        m_model.learn(block, m_requests.sent(block));
    }
    const bool chain = m_pending == FlashWriteChain;

    switch (block) {
    case Block::Basic:
        if (accepted && chain) {
            m_line.reopen();
            m_requests.sendWrite(Block::PedalAssist);
        } else if (accepted) {
            m_requests.information(blockLayout.successMessage);
        }
        if (m_pending == SingleWrite) {
            m_pending = NothingAwaited;
            m_line.reopen();
        }
        break;
    case Block::PedalAssist:
        if (accepted && chain) {
            m_line.reopen();
            m_requests.sendWrite(Block::ThrottleHandle);
        }
        if (m_pending == SingleWrite) {
            m_pending = NothingAwaited;
            m_line.reopen();
            if (accepted) {
                m_requests.information(blockLayout.successMessage);
            }
        }
        break;
    case Block::ThrottleHandle:
        if (accepted && chain) {
            m_line.reopen();
            m_requests.sendWrite(Block::Torque);
        } else if (accepted) {
            m_line.reopen();
            m_requests.information(blockLayout.successMessage);
            m_pending = NothingAwaited;
        }
        break;
    case Block::Torque:
        if (accepted) {
            m_line.reopen();
            m_requests.information(chain ? kWriteFlashSucceeded : blockLayout.successMessage);
            m_pending = NothingAwaited;
        }
        break;
    }
}

void ReplyDispatcher::handleLiveReadings(std::span<const std::uint8_t> reply) {
    if (m_pending != SingleRead && m_pending != FlashReadChain) {
        return;
    }
    // Readings asked for before the request now awaited (the last tick of a Continuous Get just
    // stopped) may come in its place, the awaited reply joined to them: taken, they would end
    // Read Flash as successful with nothing of it read. They end nothing; the awaited reply is
    // left to come, or to be missed in the status bar.
    if (m_requests.lastReadCode() != morvent::code(Command::LiveReadings)) {
        return;
    }
    if (readReplyFlaw(Command::LiveReadings, reply) != ReplyFlaw::None) {
        m_requests.information(kLiveReadingsChecksumMessage);
        return;
    }
    applyLiveReadings(reply, m_fields);
    m_liveReadings.add(liveReadingsShown(m_fields));
    // Only the end of Read Flash reopens the port; continuous readings every 500 ms leave it be.
    if (m_pending == FlashReadChain) {
        m_line.reopen();
        // Kept before the box, which may stay open a while; a failure only goes to the status bar.
        m_hooks.keepBackup();
        m_requests.information(kReadFlashSucceeded);
    }
    m_pending = NothingAwaited;
}

} // namespace morvent
