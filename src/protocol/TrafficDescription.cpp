// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#include "TrafficDescription.h"

#include "BlockLayout.h"
#include "Frames.h"
#include "StatusTable.h"

namespace morvent {

namespace {

std::string title(Block block) {
    return std::string(layout(block).title);
}

std::string withFlaw(std::string what, ReplyFlaw flaw) {
    switch (flaw) {
    case ReplyFlaw::None:
    case ReplyFlaw::WrongCode:
        break;
    case ReplyFlaw::WrongLength:
        return what + ": wrong length";
    case ReplyFlaw::Cut:
        return what + ": cut short";
    case ReplyFlaw::Checksum:
        return what + ": checksum error";
    }
    return what;
}

} // namespace

std::string hexBytes(std::span<const std::uint8_t> bytes) {
    static constexpr char kDigits[] = "0123456789ABCDEF";
    std::string text;
    text.reserve(bytes.size() * 3);
    for (const std::uint8_t b : bytes) {
        if (!text.empty()) {
            text += ' ';
        }
        text += kDigits[b >> 4];
        text += kDigits[b & 0x0F];
    }
    return text;
}

std::string describeRequest(std::span<const std::uint8_t> frame) {
    if (frame.size() >= 2 && frame[0] == kRequestLead) {
        if (frame.size() == 5 && frame[1] == code(Command::Identity)) {
            return "connect request";
        }
        if (frame[1] == code(Command::FirmwareText)) {
            return "firmware text request";
        }
        if (frame[1] == code(Command::LiveReadings)) {
            return "live readings request";
        }
        if (const auto block = blockForCode(frame[1])) {
            return title(*block) + " read request";
        }
    }
    if (frame.size() >= 2 && frame[0] == kWriteLead) {
        if (const auto block = blockForCode(frame[1])) {
            return title(*block) + " write";
        }
    }
    return "unrecognised frame";
}

std::string describeReply(std::span<const std::uint8_t> chunk, PendingRequestKind awaiting) {
    if (chunk.empty()) {
        return "unrecognised chunk";
    }
    const std::uint8_t first = chunk[0];
    if (first == code(Command::Identity)) {
        return withFlaw("identity reply", readReplyFlaw(Command::Identity, chunk));
    }
    if (first == code(Command::FirmwareText)) {
        return withFlaw("firmware text reply", readReplyFlaw(Command::FirmwareText, chunk));
    }
    if (first == code(Command::LiveReadings)) {
        if (!awaitsRead(awaiting)) {
            return "live readings reply, not awaited: ignored";
        }
        return withFlaw("live readings reply", readReplyFlaw(Command::LiveReadings, chunk));
    }
    const auto block = blockForCode(first);
    if (!block) {
        return "unrecognised chunk";
    }
    if (awaitsRead(awaiting)) {
        return withFlaw(title(*block) + " reply", readReplyFlaw(layout(*block).command, chunk));
    }
    if (!awaitsWrite(awaiting)) {
        return title(*block) + " reply, not awaited: ignored";
    }
    if (const ReplyFlaw flaw = acknowledgementFlaw(layout(*block).command, chunk);
        flaw != ReplyFlaw::None) {
        return withFlaw(title(*block) + " write", flaw);
    }
    const std::uint8_t status = replyByte(chunk, 1);
    const StatusOutcome outcome = interpretStatus(*block, status);
    switch (outcome.kind) {
    case StatusKind::Accepted:
        return title(*block) + " write accepted";
    case StatusKind::FieldRefused:
        return title(*block) + " write refused at byte " + std::to_string(status) + " (" +
               outcome.refusal.control + ")";
    case StatusKind::NothingShown:
        break;
    }
    return title(*block) + " write: unknown status " + std::to_string(status);
}

} // namespace morvent
