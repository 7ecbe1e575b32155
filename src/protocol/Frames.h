// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

namespace morvent {

using Bytes = std::vector<std::uint8_t>;

// Command codes: the second byte of a request, the first byte of its reply.
enum class Command : std::uint8_t {
    FirmwareText = 0x50,
    Identity = 0x51,
    Basic = 0x52,
    PedalAssist = 0x53,
    ThrottleHandle = 0x54,
    Torque = 0x55,
    LiveReadings = 0x56,
};

constexpr std::uint8_t kRequestLead = 0x11;
constexpr std::uint8_t kWriteLead = 0x16;

// Payload lengths (the N of a reply or a write frame); a block's all-accepted status equals it.
constexpr std::size_t kIdentityLength = 16;
constexpr std::size_t kBasicLength = 24;
constexpr std::size_t kPedalAssistLength = 11;
constexpr std::size_t kThrottleHandleLength = 6;
constexpr std::size_t kTorqueLength = 71;
constexpr std::size_t kLiveReadingsLength = 9;

// The payload length of every reply to this code; nothing for the firmware text, whose length
// varies.
std::optional<std::size_t> replyPayloadLength(Command command);

constexpr std::uint8_t code(Command c) {
    return static_cast<std::uint8_t>(c);
}

// The low 8 bits of the plain sum: no seed, no complement.
std::uint8_t checksum(std::span<const std::uint8_t> bytes);

// 0x11, code.
Bytes readRequest(Command command);

// Always 0x11 0x51 0x25 0x80 0xF6: 0x2580 is 9600, the rate the tool moves to right after it.
Bytes connectRequest();

// 0x16, code, N, payload, checksum over code, N and payload.
Bytes writeFrame(Command command, std::span<const std::uint8_t> payload);

// A read reply as a controller sends it: code, N, payload, checksum over all before it.
Bytes readReply(Command command, std::span<const std::uint8_t> payload);

// A write acknowledgement: code, status, checksum of the two.
Bytes writeAcknowledgement(Command command, std::uint8_t status);

// Byte k of a received reply. A reply is whatever one receive event delivered, whole or not;
// positions beyond the bytes that arrived read as 0, so nothing reads past them (readReplyFlaw
// refuses such a reply before anything is decoded from it).
std::uint8_t replyByte(std::span<const std::uint8_t> reply, std::size_t k);

// A read reply's checksum: byte 2 + N against the sum of bytes 0 .. 1 + N, N taken from byte 1.
bool readReplyChecksumValid(std::span<const std::uint8_t> reply);

// The identity reply's checksum also comes 14 below the sum from some controllers; both forms
// are accepted.
bool identityChecksumValid(std::span<const std::uint8_t> reply);

// A write acknowledgement's checksum: byte 2 against byte 0 plus byte 1.
bool acknowledgementChecksumValid(std::span<const std::uint8_t> reply);

// What keeps a received reply from being taken, if anything.
enum class ReplyFlaw {
    None,
    WrongCode,   // it is not a reply to this command
    WrongLength, // its length byte is not the command's payload length
    Cut,         // fewer bytes arrived than its length byte announces
    Checksum,
};

// A reply to a read request (the identity, the firmware text, a block, the live readings) as
// received, and nothing beyond: its code, its length byte equal to the command's payload length
// (the firmware text may have any), every byte up to its checksum, and the checksum (for the
// identity either of its two forms). A reply with a flaw is not to be used at all: a length byte
// that only places the checksum lets three bytes such as 52 00 52 pass as a whole block of zeros.
ReplyFlaw readReplyFlaw(Command command, std::span<const std::uint8_t> received);

// A write acknowledgement as received: its code, its three bytes and its checksum.
ReplyFlaw acknowledgementFlaw(Command command, std::span<const std::uint8_t> received);

// Whether the bytes in hand hold a whole reply to a read request of this command (its code, a
// length byte the command allows, and as many bytes after it as that announces) or a whole write
// acknowledgement, so that nothing more is worth waiting for. Bytes that do not start such a
// reply never count as whole: they end by the line's silence, as any reply did before.
bool readReplyComplete(Command command, std::span<const std::uint8_t> received);
bool acknowledgementComplete(Command command, std::span<const std::uint8_t> received);

} // namespace morvent
