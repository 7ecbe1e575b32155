#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
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

constexpr std::uint8_t code(Command c) { return static_cast<std::uint8_t>(c); }

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

} // namespace morvent
