// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#pragma once

#include "Frames.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

namespace morvent {

// The four parameter blocks, in the order the tool reads and writes them.
inline constexpr std::array<Command, 4> kParameterBlockCodes{
    Command::Basic, Command::PedalAssist, Command::ThrottleHandle, Command::Torque};

// Payload length of a parameter block; nothing for the codes that cannot be written.
std::optional<std::size_t> parameterBlockLength(Command command);

// What the controller accepts in one field of a block.
struct AcceptanceRule {
    std::size_t index = 0; // first payload byte of the field
    std::size_t width = 1; // 2: a 16-bit value, high byte first
    unsigned min = 0;
    unsigned max = 255;
    unsigned step = 1;               // accepted values are min, min + step, ... up to max
    std::optional<unsigned> special; // one value outside that range which means something too
    std::uint8_t mask = 0xFF;        // fields that share a byte: this field's bits, not shifted
};

// The controller's ratings, which bound some of its own settings.
struct ControllerRatings {
    std::uint8_t voltageClass = 0;
    std::uint8_t maxCurrent = 0;
};

// ControllerRatings as the identity payload states them (bytes 14 and 15).
ControllerRatings ratingsFromIdentity(std::span<const std::uint8_t> identity);

// The acceptance table of one parameter block. The low-battery cut-off must lie in the voltage
// class's band and the current limit must not exceed the rated maximum, so the Basic table
// depends on the ratings.
std::vector<AcceptanceRule> acceptanceRules(Command block, const ControllerRatings& ratings);

// Index of the first payload byte that breaks a rule, or the payload's length when every byte
// passes. A 16-bit value is blamed on its high byte when that byte alone already puts it out of
// range, otherwise on its low byte.
std::size_t firstRejectedByte(std::span<const AcceptanceRule> rules,
                              std::span<const std::uint8_t> payload);

// What a controller holds when it leaves the factory: a 48 V, 25 A unit.
Bytes factoryImage(Command block);
Bytes factoryIdentity();
std::string factoryFirmwareText();

} // namespace morvent
