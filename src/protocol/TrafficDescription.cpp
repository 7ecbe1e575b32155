// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#include "TrafficDescription.h"

#include "BlockLayout.h"
#include "Frames.h"
#include "StatusTable.h"
#include "Wording.h"

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
        return fill(QT_TRANSLATE_NOOP("Protocol", "%1: wrong length"), {what});
    case ReplyFlaw::Cut:
        return fill(QT_TRANSLATE_NOOP("Protocol", "%1: cut short"), {what});
    case ReplyFlaw::Checksum:
        return fill(QT_TRANSLATE_NOOP("Protocol", "%1: checksum error"), {what});
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
            return QT_TRANSLATE_NOOP("Protocol", "connect request");
        }
        if (frame[1] == code(Command::FirmwareText)) {
            return QT_TRANSLATE_NOOP("Protocol", "firmware text request");
        }
        if (frame[1] == code(Command::LiveReadings)) {
            return QT_TRANSLATE_NOOP("Protocol", "live readings request");
        }
        if (const auto block = blockForCode(frame[1])) {
            return fill(QT_TRANSLATE_NOOP("Protocol", "%1 read request"), {title(*block)});
        }
    }
    if (frame.size() >= 2 && frame[0] == kWriteLead) {
        if (const auto block = blockForCode(frame[1])) {
            return fill(QT_TRANSLATE_NOOP("Protocol", "%1 write"), {title(*block)});
        }
    }
    return QT_TRANSLATE_NOOP("Protocol", "unrecognised frame");
}

std::string describeReply(std::span<const std::uint8_t> chunk, PendingRequestKind awaiting) {
    if (chunk.empty()) {
        return QT_TRANSLATE_NOOP("Protocol", "unrecognised chunk");
    }
    const std::uint8_t first = chunk[0];
    if (first == code(Command::Identity)) {
        return withFlaw(QT_TRANSLATE_NOOP("Protocol", "identity reply"),
                        readReplyFlaw(Command::Identity, chunk));
    }
    if (first == code(Command::FirmwareText)) {
        return withFlaw(QT_TRANSLATE_NOOP("Protocol", "firmware text reply"),
                        readReplyFlaw(Command::FirmwareText, chunk));
    }
    if (first == code(Command::LiveReadings)) {
        if (!awaitsRead(awaiting)) {
            return QT_TRANSLATE_NOOP("Protocol", "live readings reply, not awaited: ignored");
        }
        return withFlaw(QT_TRANSLATE_NOOP("Protocol", "live readings reply"),
                        readReplyFlaw(Command::LiveReadings, chunk));
    }
    const auto block = blockForCode(first);
    if (!block) {
        return QT_TRANSLATE_NOOP("Protocol", "unrecognised chunk");
    }
    if (awaitsRead(awaiting)) {
        return withFlaw(fill(QT_TRANSLATE_NOOP("Protocol", "%1 reply"), {title(*block)}),
                        readReplyFlaw(layout(*block).command, chunk));
    }
    if (!awaitsWrite(awaiting)) {
        return fill(QT_TRANSLATE_NOOP("Protocol", "%1 reply, not awaited: ignored"),
                    {title(*block)});
    }
    if (const ReplyFlaw flaw = acknowledgementFlaw(layout(*block).command, chunk);
        flaw != ReplyFlaw::None) {
        return withFlaw(fill(QT_TRANSLATE_NOOP("Protocol", "%1 write"), {title(*block)}), flaw);
    }
    const std::uint8_t status = replyByte(chunk, 1);
    const StatusOutcome outcome = interpretStatus(*block, status);
    switch (outcome.kind) {
    case StatusKind::Accepted:
        return fill(QT_TRANSLATE_NOOP("Protocol", "%1 write accepted"), {title(*block)});
    case StatusKind::FieldRefused:
        return fill(QT_TRANSLATE_NOOP("Protocol", "%1 write refused at byte %2 (%3)"),
                    {title(*block), std::to_string(status), outcome.refusal.control});
    case StatusKind::NothingShown:
        break;
    }
    return fill(QT_TRANSLATE_NOOP("Protocol", "%1 write: unknown status %2"),
                {title(*block), std::to_string(status)});
}

} // namespace morvent
