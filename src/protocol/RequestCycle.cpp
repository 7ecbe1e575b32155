// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#include "RequestCycle.h"

#include "IdentityReply.h"
#include "LiveReadingsReply.h"
#include "ParameterTable.h"
#include "StatusTable.h"

#include <utility>

namespace morvent {

namespace {

Step await(PendingRequestKind kind) {
    return {.kind = Step::Kind::Await, .awaiting = kind};
}
Step readStep(std::uint8_t code) {
    return {.kind = Step::Kind::SendRead, .code = code};
}
Step readStep(Command command) {
    return readStep(code(command));
}
Step writeStep(Block block) {
    return {.kind = Step::Kind::SendWrite, .block = block};
}
Step message(std::string_view text) {
    return {.kind = Step::Kind::Message, .text = text};
}
Step onBlock(Step::Kind kind, Block block) {
    return {.kind = kind, .block = block};
}
Step just(Step::Kind kind) {
    return {.kind = kind};
}

} // namespace

RequestCycle::RequestCycle() = default;
RequestCycle::~RequestCycle() = default;

const ParameterModel::Values& RequestCycle::sent(Block block) const {
    return m_sent[static_cast<std::size_t>(block)];
}

Steps RequestCycle::startRead(Block block) const {
    return {await(SingleRead), readStep(layout(block).command)};
}

Steps RequestCycle::startWrite(Block block, bool allowed) const {
    if (allowed) {
        return {await(SingleWrite), writeStep(block)};
    }
    // The Throttle Handle page awaits an acknowledgement even when its checks refused the write
    // and nothing went out.
    if (block == Block::ThrottleHandle) {
        return {await(SingleWrite)};
    }
    return {};
}

Steps RequestCycle::startReadFlash() const {
    return {await(FlashReadChain), readStep(Command::Basic)};
}

Steps RequestCycle::startWriteFlash() const {
    return {await(FlashWriteChain), writeStep(Block::Basic)};
}

Steps RequestCycle::startComparison() {
    m_controllerCopy = std::make_unique<FieldStore>();
    fillParameterCombos(*m_controllerCopy);
    return {await(ControllerComparison), readStep(Command::Basic)};
}

Steps RequestCycle::startGet() const {
    return {await(SingleRead), readStep(Command::LiveReadings)};
}

bool RequestCycle::cancel() {
    const bool chain = chainRunning();
    m_awaited = {};
    return chain;
}

Steps RequestCycle::onReply(std::span<const std::uint8_t> reply) {
    if (reply.empty()) {
        return {};
    }
    const std::uint8_t first = reply[0];
    if (first == code(Command::Identity)) {
        const ReplyFlaw flaw = readReplyFlaw(Command::Identity, reply);
        return onIdentity(flaw,
                          flaw == ReplyFlaw::None ? decodeIdentity(reply).maxCurrentAmperes : 0);
    }
    if (first == code(Command::FirmwareText)) {
        return onFirmwareText(readReplyFlaw(Command::FirmwareText, reply));
    }
    if (const auto block = blockForCode(first)) {
        // A read reply and a write acknowledgement start with the same code; what is awaited
        // tells them apart.
        const PendingRequestKind kind = m_awaited.kind;
        const ReplyFlaw flaw = replyFlaw(layout(*block).command, kind, reply);
        return awaitsWrite(kind) ? onAcknowledgement(*block, flaw, reply.size() > 1 ? reply[1] : 0)
                                 : onReadReply(*block, flaw);
    }
    if (first == code(Command::LiveReadings)) {
        return onLiveReadings(readReplyFlaw(Command::LiveReadings, reply));
    }
    return {};
}

Steps RequestCycle::onIdentity(ReplyFlaw flaw, int maxCurrent) {
    // Probing ends with any identity reply, valid or not.
    if (flaw != ReplyFlaw::None) {
        return {just(Step::Kind::StopProbing), just(Step::Kind::IdentityFlawed),
                message(kIdentityChecksumMessage)};
    }
    m_maxCurrent = maxCurrent;
    return {just(Step::Kind::StopProbing), just(Step::Kind::ShowIdentity),
            just(Step::Kind::Identified),  await(NothingAwaited),
            just(Step::Kind::Reopen),      readStep(Command::FirmwareText)};
}

Steps RequestCycle::onFirmwareText(ReplyFlaw flaw) {
    const bool asked = std::exchange(m_firmwareTextAsked, false);
    Steps steps;
    if (flaw != ReplyFlaw::None) {
        steps.push_back(message(kFirmwareTextChecksumMessage));
    }
    // The text is shown even when its checksum fails, as it is only for reading; but only the
    // answer to the request, whole: a chunk that merely starts with its code (the tail of a
    // reply cut in two) is no firmware text.
    if (asked && flaw != ReplyFlaw::Cut) {
        steps.push_back(just(Step::Kind::ShowFirmwareText));
    }
    return steps;
}

Steps RequestCycle::onReadReply(Block block, ReplyFlaw flaw) const {
    const PendingRequestKind kind = m_awaited.kind;
    if (!awaitsRead(kind)) {
        return {};
    }
    if (flaw != ReplyFlaw::None) {
        return {message(layout(block).readChecksumMessage)};
    }
    // Compare With Controller is a read chain of its own, with the waits, the port handling and
    // the checksum messages of Read Flash; only its replies go into the copy kept aside, and it
    // ends with the last block, the live readings being no parameter.
    const bool comparing = kind == ControllerComparison;
    Steps steps{onBlock(comparing ? Step::Kind::ReadIntoCopy : Step::Kind::ReadIntoPages, block),
                just(Step::Kind::Reopen)};
    if (kind == FlashReadChain || (comparing && block != kAllBlocks.back())) {
        steps.push_back(readStep(static_cast<std::uint8_t>(code(layout(block).command) + 1)));
    } else {
        steps.push_back(await(NothingAwaited));
        if (comparing) {
            steps.push_back(just(Step::Kind::ComparisonDone));
        }
    }
    return steps;
}

Steps RequestCycle::onAcknowledgement(Block block, ReplyFlaw flaw, std::uint8_t status) const {
    const PendingRequestKind kind = m_awaited.kind;
    if (!awaitsWrite(kind)) {
        return {};
    }
    const BlockLayout& blockLayout = layout(block);
    if (flaw != ReplyFlaw::None) {
        return {message(blockLayout.writeChecksumMessage)};
    }
    Steps steps;
    const StatusOutcome outcome = interpretStatus(block, status);
    if (outcome.kind == StatusKind::FieldRefused) {
        steps.push_back(
            {.kind = Step::Kind::Refuse, .refusal = outcome.refusal, .showField = true});
    }
    const bool accepted = outcome.kind == StatusKind::Accepted;
    if (accepted) {
        steps.push_back(onBlock(Step::Kind::LearnWritten, block));
    }
    const bool chain = kind == FlashWriteChain;
    const bool single = kind == SingleWrite;
    const auto next = [&](Block following) {
        steps.push_back(just(Step::Kind::Reopen));
        steps.push_back(writeStep(following));
    };
    // Each block has its own way with a refused or unknown status; a chain stops at a block the
    // controller did not accept, still awaiting.
    switch (block) {
    case Block::Basic:
        if (accepted && chain) {
            next(Block::PedalAssist);
        } else if (accepted) {
            steps.push_back(message(blockLayout.successMessage));
        }
        if (single) {
            steps.push_back(await(NothingAwaited));
            steps.push_back(just(Step::Kind::Reopen));
        }
        break;
    case Block::PedalAssist:
        if (accepted && chain) {
            next(Block::ThrottleHandle);
        }
        if (single) {
            steps.push_back(await(NothingAwaited));
            steps.push_back(just(Step::Kind::Reopen));
            if (accepted) {
                steps.push_back(message(blockLayout.successMessage));
            }
        }
        break;
    case Block::ThrottleHandle:
        if (accepted && chain) {
            next(Block::Torque);
        } else if (accepted) {
            steps.push_back(just(Step::Kind::Reopen));
            steps.push_back(message(blockLayout.successMessage));
            steps.push_back(await(NothingAwaited));
        }
        break;
    case Block::Torque:
        if (accepted) {
            steps.push_back(just(Step::Kind::Reopen));
            steps.push_back(message(chain ? kWriteFlashSucceeded : blockLayout.successMessage));
            steps.push_back(await(NothingAwaited));
        }
        break;
    }
    return steps;
}

Steps RequestCycle::onLiveReadings(ReplyFlaw flaw) const {
    const PendingRequestKind kind = m_awaited.kind;
    if (kind != SingleRead && kind != FlashReadChain) {
        return {};
    }
    // Readings asked for before the request now awaited (the last tick of a Continuous Get just
    // stopped) may come in its place, the awaited reply joined to them: taken, they would end
    // Read Flash as successful with nothing of it read. They end nothing; the awaited reply is
    // left to come, or to be missed in the status bar.
    if (m_awaited.code != code(Command::LiveReadings)) {
        return {};
    }
    if (flaw != ReplyFlaw::None) {
        return {message(kLiveReadingsChecksumMessage)};
    }
    Steps steps{just(Step::Kind::ShowReadings)};
    // Only the end of Read Flash reopens the port; continuous readings every 500 ms leave it be.
    if (kind == FlashReadChain) {
        // Kept before the box, which may stay open a while.
        steps.insert(steps.end(), {just(Step::Kind::Reopen), just(Step::Kind::KeepBackup),
                                   message(kReadFlashSucceeded)});
    }
    steps.push_back(await(NothingAwaited));
    return steps;
}

void RequestCycle::run(const Steps& steps, Hands& hands) {
    for (const Step& step : steps) {
        switch (step.kind) {
        case Step::Kind::Await:
            // Nothing is on its way for it until its request has gone out.
            m_awaited = {step.awaiting, 0};
            break;
        case Step::Kind::SendRead:
            m_awaited.code = 0;
            if (hands.send(Bytes{kRequestLead, step.code}, {m_awaited.kind, step.code})) {
                m_awaited.code = step.code;
                m_firmwareTextAsked |= step.code == code(Command::FirmwareText);
            }
            break;
        case Step::Kind::SendWrite:
            sendWrite(step.block, hands);
            break;
        default:
            hands.carryOut(step);
            break;
        }
    }
}

void RequestCycle::sendWrite(Block block, Hands& hands) {
    const bool chain = m_awaited.kind == FlashWriteChain;
    // A value refused as a chain's block is built ends the chain before anything of it is sent.
    if (auto refused = hands.prepareWrite(block, chain)) {
        m_awaited = {};
        hands.carryOut({.kind = Step::Kind::Refuse,
                        .refusal = refused->refusal,
                        .showField = refused->showField});
        return;
    }
    // Built before the pause: a field that is not a number stops the write before anything waits.
    WriteFrame write = hands.writeFrame(block);
    m_sent[static_cast<std::size_t>(block)] = std::move(write.carried);
    m_awaited.code = 0;
    const std::uint8_t sentCode = write.frame.at(1);
    if (hands.send(write.frame, {m_awaited.kind, sentCode})) {
        m_awaited.code = sentCode;
    }
}

} // namespace morvent
