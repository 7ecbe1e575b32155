// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#include "Frames.h"

#include <algorithm>
#include <numeric>
#include <optional>

namespace morvent {

std::uint8_t checksum(std::span<const std::uint8_t> bytes) {
    return static_cast<std::uint8_t>(std::accumulate(bytes.begin(), bytes.end(), 0u));
}

Bytes readRequest(Command command) {
    return {kRequestLead, code(command)};
}

Bytes connectRequest() {
    Bytes frame{kRequestLead, code(Command::Identity), 0x25, 0x80};
    frame.push_back(checksum(std::span(frame).subspan(1)));
    return frame;
}

Bytes writeFrame(Command command, std::span<const std::uint8_t> payload) {
    Bytes frame{kWriteLead, code(command), static_cast<std::uint8_t>(payload.size())};
    frame.insert(frame.end(), payload.begin(), payload.end());
    frame.push_back(checksum(std::span(frame).subspan(1)));
    return frame;
}

Bytes readReply(Command command, std::span<const std::uint8_t> payload) {
    Bytes frame{code(command), static_cast<std::uint8_t>(payload.size())};
    frame.insert(frame.end(), payload.begin(), payload.end());
    frame.push_back(checksum(frame));
    return frame;
}

Bytes writeAcknowledgement(Command command, std::uint8_t status) {
    Bytes frame{code(command), status};
    frame.push_back(checksum(frame));
    return frame;
}

std::uint8_t replyByte(std::span<const std::uint8_t> reply, std::size_t k) {
    return k < reply.size() ? reply[k] : 0;
}

namespace {

// The sum of bytes 0 .. 1 + N of a read reply, N being its length byte.
unsigned readReplySum(std::span<const std::uint8_t> reply) {
    const auto covered = reply.first(std::min(2 + std::size_t{replyByte(reply, 1)}, reply.size()));
    return std::accumulate(covered.begin(), covered.end(), 0u);
}

} // namespace

bool readReplyChecksumValid(std::span<const std::uint8_t> reply) {
    const std::size_t at = 2 + std::size_t{replyByte(reply, 1)};
    return static_cast<std::uint8_t>(readReplySum(reply)) == replyByte(reply, at);
}

bool identityChecksumValid(std::span<const std::uint8_t> reply) {
    const std::size_t at = 2 + std::size_t{replyByte(reply, 1)};
    const unsigned sum = readReplySum(reply);
    const std::uint8_t received = replyByte(reply, at);
    return static_cast<std::uint8_t>(sum) == received ||
           static_cast<std::uint8_t>(sum - 14u) == received;
}

bool acknowledgementChecksumValid(std::span<const std::uint8_t> reply) {
    return static_cast<std::uint8_t>(replyByte(reply, 0) + replyByte(reply, 1)) ==
           replyByte(reply, 2);
}

std::optional<std::size_t> replyPayloadLength(Command command) {
    switch (command) {
    case Command::FirmwareText:
        break;
    case Command::Identity:
        return kIdentityLength;
    case Command::Basic:
        return kBasicLength;
    case Command::PedalAssist:
        return kPedalAssistLength;
    case Command::ThrottleHandle:
        return kThrottleHandleLength;
    case Command::Torque:
        return kTorqueLength;
    case Command::LiveReadings:
        return kLiveReadingsLength;
    }
    return std::nullopt;
}

ReplyFlaw readReplyFlaw(Command command, std::span<const std::uint8_t> received) {
    if (received.empty() || received[0] != code(command)) {
        return ReplyFlaw::WrongCode;
    }
    if (received.size() < 2) {
        return ReplyFlaw::Cut;
    }
    const std::size_t length = received[1];
    if (const auto expected = replyPayloadLength(command); expected && length != *expected) {
        return ReplyFlaw::WrongLength;
    }
    if (received.size() < 3 + length) {
        return ReplyFlaw::Cut;
    }
    const bool valid = command == Command::Identity ? identityChecksumValid(received)
                                                    : readReplyChecksumValid(received);
    return valid ? ReplyFlaw::None : ReplyFlaw::Checksum;
}

ReplyFlaw acknowledgementFlaw(Command command, std::span<const std::uint8_t> received) {
    if (received.empty() || received[0] != code(command)) {
        return ReplyFlaw::WrongCode;
    }
    if (received.size() < 3) {
        return ReplyFlaw::Cut;
    }
    return acknowledgementChecksumValid(received) ? ReplyFlaw::None : ReplyFlaw::Checksum;
}

bool readReplyComplete(Command command, std::span<const std::uint8_t> received) {
    if (received.size() < 2 || received[0] != code(command)) {
        return false;
    }
    const std::size_t length = received[1];
    if (const auto expected = replyPayloadLength(command); expected && length != *expected) {
        return false;
    }
    return received.size() >= 3 + length;
}

bool acknowledgementComplete(Command command, std::span<const std::uint8_t> received) {
    return received.size() >= 3 && received[0] == code(command);
}

} // namespace morvent
