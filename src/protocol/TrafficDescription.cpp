#include "TrafficDescription.h"

#include "BlockLayout.h"
#include "Frames.h"
#include "StatusTable.h"

namespace morvent {

namespace {

std::string title(Block block) {
    return std::string(layout(block).title);
}

bool awaitsRead(int awaiting) {
    return awaiting == 1 || awaiting == 3;
}
bool awaitsWrite(int awaiting) {
    return awaiting == 2 || awaiting == 4;
}

std::string withChecksum(std::string what, bool valid) {
    return valid ? what : what + ": checksum error";
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

std::string describeReply(std::span<const std::uint8_t> chunk, int awaiting) {
    if (chunk.empty()) {
        return "unrecognised chunk";
    }
    const std::uint8_t first = chunk[0];
    if (first == code(Command::Identity)) {
        return withChecksum("identity reply", identityChecksumValid(chunk));
    }
    if (first == code(Command::FirmwareText)) {
        return withChecksum("firmware text reply", readReplyChecksumValid(chunk));
    }
    if (first == code(Command::LiveReadings)) {
        if (!awaitsRead(awaiting)) {
            return "live readings reply, not awaited: ignored";
        }
        return withChecksum("live readings reply", readReplyChecksumValid(chunk));
    }
    const auto block = blockForCode(first);
    if (!block) {
        return "unrecognised chunk";
    }
    if (awaitsRead(awaiting)) {
        return withChecksum(title(*block) + " reply", readReplyChecksumValid(chunk));
    }
    if (!awaitsWrite(awaiting)) {
        return title(*block) + " reply, not awaited: ignored";
    }
    if (!acknowledgementChecksumValid(chunk)) {
        return title(*block) + " write: checksum error";
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
