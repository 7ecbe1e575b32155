// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#include "TrafficDescription.h"

#include "BlockLayout.h"
#include "Frames.h"
#include "StatusTable.h"
#include "Wording.h"

namespace morvent {

namespace {

WordedText title(Block block) {
    return WordedText(std::string(layout(block).title));
}

WordedText literal(std::string text) {
    return WordedText::literal(std::move(text));
}

WordedText withFlaw(WordedText what, ReplyFlaw flaw) {
    switch (flaw) {
    case ReplyFlaw::None:
    case ReplyFlaw::WrongCode:
        break;
    case ReplyFlaw::WrongLength:
        return WordedText(QT_TRANSLATE_NOOP("Protocol", "%1: wrong length"), {std::move(what)});
    case ReplyFlaw::Cut:
        return WordedText(QT_TRANSLATE_NOOP("Protocol", "%1: cut short"), {std::move(what)});
    case ReplyFlaw::Checksum:
        return WordedText(QT_TRANSLATE_NOOP("Protocol", "%1: checksum error"), {std::move(what)});
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
    return describeRequestWording(frame).english();
}

std::string describeReply(std::span<const std::uint8_t> chunk, PendingRequestKind awaiting) {
    return describeReplyWording(chunk, awaiting).english();
}

WordedText describeRequestWording(std::span<const std::uint8_t> frame) {
    if (frame.size() >= 2 && frame[0] == kRequestLead) {
        if (frame.size() == 5 && frame[1] == code(Command::Identity)) {
            return WordedText(QT_TRANSLATE_NOOP("Protocol", "connect request"));
        }
        if (frame[1] == code(Command::FirmwareText)) {
            return WordedText(QT_TRANSLATE_NOOP("Protocol", "firmware text request"));
        }
        if (frame[1] == code(Command::LiveReadings)) {
            return WordedText(QT_TRANSLATE_NOOP("Protocol", "live readings request"));
        }
        if (const auto block = blockForCode(frame[1])) {
            return WordedText(QT_TRANSLATE_NOOP("Protocol", "%1 read request"), {title(*block)});
        }
    }
    if (frame.size() >= 2 && frame[0] == kWriteLead) {
        if (const auto block = blockForCode(frame[1])) {
            return WordedText(QT_TRANSLATE_NOOP("Protocol", "%1 write"), {title(*block)});
        }
    }
    return WordedText(QT_TRANSLATE_NOOP("Protocol", "unrecognised frame"));
}

WordedText describeReplyWording(std::span<const std::uint8_t> chunk, PendingRequestKind awaiting) {
    if (chunk.empty()) {
        return WordedText(QT_TRANSLATE_NOOP("Protocol", "unrecognised chunk"));
    }
    const std::uint8_t first = chunk[0];
    if (first == code(Command::Identity)) {
        return withFlaw(WordedText(QT_TRANSLATE_NOOP("Protocol", "identity reply")),
                        readReplyFlaw(Command::Identity, chunk));
    }
    if (first == code(Command::FirmwareText)) {
        return withFlaw(WordedText(QT_TRANSLATE_NOOP("Protocol", "firmware text reply")),
                        readReplyFlaw(Command::FirmwareText, chunk));
    }
    if (first == code(Command::LiveReadings)) {
        if (!awaitsRead(awaiting)) {
            return WordedText(
                QT_TRANSLATE_NOOP("Protocol", "live readings reply, not awaited: ignored"));
        }
        return withFlaw(WordedText(QT_TRANSLATE_NOOP("Protocol", "live readings reply")),
                        readReplyFlaw(Command::LiveReadings, chunk));
    }
    const auto block = blockForCode(first);
    if (!block) {
        return WordedText(QT_TRANSLATE_NOOP("Protocol", "unrecognised chunk"));
    }
    if (awaitsRead(awaiting)) {
        return withFlaw(WordedText(QT_TRANSLATE_NOOP("Protocol", "%1 reply"), {title(*block)}),
                        readReplyFlaw(layout(*block).command, chunk));
    }
    if (!awaitsWrite(awaiting)) {
        return WordedText(QT_TRANSLATE_NOOP("Protocol", "%1 reply, not awaited: ignored"),
                          {title(*block)});
    }
    if (const ReplyFlaw flaw = acknowledgementFlaw(layout(*block).command, chunk);
        flaw != ReplyFlaw::None) {
        return withFlaw(WordedText(QT_TRANSLATE_NOOP("Protocol", "%1 write"), {title(*block)}),
                        flaw);
    }
    const std::uint8_t status = replyByte(chunk, 1);
    const StatusOutcome outcome = interpretStatus(*block, status);
    switch (outcome.kind) {
    case StatusKind::Accepted:
        return WordedText(QT_TRANSLATE_NOOP("Protocol", "%1 write accepted"), {title(*block)});
    case StatusKind::FieldRefused:
        return WordedText(
            QT_TRANSLATE_NOOP("Protocol", "%1 write refused at byte %2 (%3)"),
            {title(*block), literal(std::to_string(status)), literal(outcome.refusal.control)});
    case StatusKind::NothingShown:
        break;
    }
    return WordedText(QT_TRANSLATE_NOOP("Protocol", "%1 write: unknown status %2"),
                      {title(*block), literal(std::to_string(status))});
}

} // namespace morvent
