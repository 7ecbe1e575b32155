// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#include "BlockRules.h"

#include <algorithm>
#include <stdexcept>

namespace morvent {

namespace {

constexpr unsigned kAnyFromDisplay = 0xFF;
constexpr unsigned kMillivoltCeiling = 5000;

// Low-battery cut-off band (volts) of each voltage class; classes from 5 up span 24 V to 60 V.
struct VoltageBand {
    unsigned low;
    unsigned high;
};
constexpr std::array<VoltageBand, 6> kCutOffBands{
    {{18, 22}, {28, 32}, {38, 43}, {48, 55}, {18, 43}, {18, 55}}};

// Designated initialisers would read better, but g++ warns about every member they leave out.
AcceptanceRule byteRule(std::size_t index, unsigned min, unsigned max) {
    AcceptanceRule rule;
    rule.index = index;
    rule.min = min;
    rule.max = max;
    return rule;
}

AcceptanceRule byteOrDisplay(std::size_t index, unsigned min, unsigned max) {
    AcceptanceRule rule = byteRule(index, min, max);
    rule.special = kAnyFromDisplay;
    return rule;
}

AcceptanceRule millivolts(std::size_t index) {
    AcceptanceRule rule = byteRule(index, 0, kMillivoltCeiling);
    rule.width = 2;
    return rule;
}

AcceptanceRule steppedRule(std::size_t index, unsigned min, unsigned max, unsigned step,
                           unsigned special) {
    AcceptanceRule rule = byteRule(index, min, max);
    rule.step = step;
    rule.special = special;
    return rule;
}

AcceptanceRule bitsRule(AcceptanceRule rule, std::uint8_t mask) {
    rule.mask = mask;
    return rule;
}

std::vector<AcceptanceRule> basicRules(const ControllerRatings& ratings) {
    const VoltageBand band = kCutOffBands[std::min<std::size_t>(ratings.voltageClass, 5)];
    std::vector<AcceptanceRule> rules{byteRule(0, band.low, band.high),
                                      byteRule(1, 1, ratings.maxCurrent)};
    for (std::size_t level = 0; level < 10; ++level) {
        rules.push_back(byteRule(2 + level, 1, 100));  // current limit, percent
        rules.push_back(byteRule(12 + level, 1, 100)); // speed limit, percent
    }
    // Wheel: twice the size in inches from 16 to 30, or 0x37 for 700C.
    rules.push_back(steppedRule(22, 0x20, 0x3C, 2, 0x37));
    // Speed meter: signal count in the low six bits; model 0, 1 or 3 in the top two.
    rules.push_back(bitsRule(byteRule(23, 1, 36), 0x3F));
    rules.push_back(bitsRule(steppedRule(23, 0x00, 0x40, 0x40, 0xC0), 0xC0));
    return rules;
}

std::vector<AcceptanceRule> pedalAssistRules() {
    return {
        byteRule(0, 0, 3),        // pedal sensor type
        byteOrDisplay(1, 0, 9),   // fixed assist level
        byteOrDisplay(2, 15, 40), // speed limit, km/h
        byteRule(3, 1, 100),      // start current, percent
        byteRule(4, 1, 8),        // slow-start mode
        byteRule(5, 1, 20),       // sensor signals before the motor starts
        byteOrDisplay(6, 10, 80), // work mode
        byteRule(7, 0, 255),      // time of stop, 10 ms units
        byteRule(8, 1, 8),        // current decay
        byteRule(9, 0, 255),      // stop decay, 10 ms units
        byteRule(10, 1, 100),     // keep current, percent
    };
}

std::vector<AcceptanceRule> throttleHandleRules() {
    return {
        byteRule(0, 0, 50),       // start voltage, 100 mV units
        byteRule(1, 0, 50),       // end voltage, 100 mV units
        byteRule(2, 0, 1),        // speed or current command
        byteOrDisplay(3, 0, 9),   // fixed assist level
        byteOrDisplay(4, 15, 40), // speed limit, km/h
        byteRule(5, 1, 100),      // start current, percent
    };
}

// One column of the torque map, a speed point, in the order the payload carries its rows.
constexpr std::array<VoltageBand, 8> kTorqueMapRows{{
    {0, 60},  // start weight, kg
    {1, 60},  // full weight, kg
    {0, 60},  // return weight, kg
    {0, 100}, // minimum current, percent
    {1, 100}, // maximum current, percent
    {0, 100}, // keep current, percent
    {1, 8},   // current decay
    {0, 180}, // start degree
}};
constexpr std::size_t kTorqueMapStart = 23;
constexpr std::size_t kTorqueSpeedPoints = 6;

std::vector<AcceptanceRule> torqueRules() {
    std::vector<AcceptanceRule> rules;
    // Base voltage, error window and the eight delta voltages: 16-bit millivolts.
    for (std::size_t index = 0; index < 22; index += 2) {
        rules.push_back(millivolts(index));
    }
    rules.push_back(byteRule(22, 0, 200)); // zero-speed boost, 10 ms units
    for (std::size_t column = 0; column < kTorqueSpeedPoints; ++column) {
        for (std::size_t row = 0; row < kTorqueMapRows.size(); ++row) {
            rules.push_back(byteRule(kTorqueMapStart + kTorqueMapRows.size() * column + row,
                                     kTorqueMapRows[row].low, kTorqueMapRows[row].high));
        }
    }
    return rules;
}

bool accepts(const AcceptanceRule& rule, unsigned value) {
    if (rule.special && value == *rule.special) {
        return true;
    }
    return value >= rule.min && value <= rule.max && (value - rule.min) % rule.step == 0;
}

// The payload byte a broken rule is blamed on, or nothing when the rule holds.
std::optional<std::size_t> blame(const AcceptanceRule& rule,
                                 std::span<const std::uint8_t> payload) {
    if (rule.width == 1) {
        return accepts(rule, payload[rule.index] & rule.mask) ? std::nullopt
                                                              : std::optional(rule.index);
    }
    const unsigned high = payload[rule.index];
    if (accepts(rule, high << 8 | payload[rule.index + 1])) {
        return std::nullopt;
    }
    const bool highAlone = high < rule.min >> 8 || high > rule.max >> 8;
    return highAlone ? rule.index : rule.index + 1;
}

} // namespace

std::optional<std::size_t> parameterBlockLength(Command command) {
    if (std::find(kParameterBlockCodes.begin(), kParameterBlockCodes.end(), command) ==
        kParameterBlockCodes.end()) {
        return std::nullopt;
    }
    return replyPayloadLength(command);
}

ControllerRatings ratingsFromIdentity(std::span<const std::uint8_t> identity) {
    if (identity.size() < kIdentityLength) {
        throw std::invalid_argument("an identity has 16 bytes");
    }
    return ControllerRatings{identity[14], identity[15]};
}

std::vector<AcceptanceRule> acceptanceRules(Command block, const ControllerRatings& ratings) {
    switch (block) {
    case Command::Basic:
        return basicRules(ratings);
    case Command::PedalAssist:
        return pedalAssistRules();
    case Command::ThrottleHandle:
        return throttleHandleRules();
    case Command::Torque:
        return torqueRules();
    default:
        throw std::invalid_argument("not a parameter block");
    }
}

std::size_t firstRejectedByte(std::span<const AcceptanceRule> rules,
                              std::span<const std::uint8_t> payload) {
    std::size_t first = payload.size();
    for (const AcceptanceRule& rule : rules) {
        if (rule.index + rule.width > payload.size()) {
            throw std::invalid_argument("rule beyond the payload");
        }
        if (const auto index = blame(rule, payload)) {
            first = std::min(first, *index);
        }
    }
    return first;
}

Bytes factoryImage(Command block) {
    switch (block) {
    case Command::Basic:
        // 42 V cut-off, 25 A, rising current and speed limits over the ten levels, 26" wheel,
        // motor speed meter with 6 signals.
        return {42, 25, 30, 40, 50, 60, 70, 80, 90, 100, 100,  100,
                50, 55, 60, 65, 70, 75, 80, 85, 90, 100, 0x34, 0x46};
    case Command::PedalAssist:
        // 32-signal bottom-bracket sensor, levels and speed limit left to the display (25 km/h).
        return {0x02, 0xFF, 0x19, 0x1E, 0x03, 0x02, 0xFF, 0x0A, 0x04, 0x14, 0x32};
    case Command::ThrottleHandle:
        return {0x0B, 0x2A, 0x00, 0x03, 0xFF, 0x14};
    case Command::Torque: {
        Bytes image;
        auto put16 = [&image](unsigned value) {
            image.push_back(static_cast<std::uint8_t>(value >> 8));
            image.push_back(static_cast<std::uint8_t>(value));
        };
        put16(750);  // base voltage of an unloaded sensor
        put16(200);  // below this the sensor is taken as broken
        put16(4500); // and above this
        for (unsigned delta : {60, 120, 180, 240, 360, 480, 600, 720}) {
            put16(delta);
        }
        image.push_back(30); // zero-speed boost, 300 ms
        constexpr std::array<std::array<std::uint8_t, kTorqueSpeedPoints>, 8> map{{
            {3, 3, 4, 4, 5, 5},
            {40, 40, 45, 45, 50, 50},
            {2, 2, 2, 3, 3, 3},
            {10, 10, 15, 15, 20, 20},
            {100, 100, 90, 80, 70, 60},
            {30, 30, 25, 25, 20, 20},
            {4, 4, 4, 5, 5, 6},
            {20, 20, 15, 15, 10, 10},
        }};
        for (std::size_t column = 0; column < kTorqueSpeedPoints; ++column) {
            for (const auto& row : map) {
                image.push_back(row[column]);
            }
        }
        return image;
    }
    default:
        throw std::invalid_argument("not a parameter block");
    }
}

Bytes factoryIdentity() {
    // Maker "KLMN", model "PQRS", hardware 1.0, firmware 1.2.3.4, 48 V class, 25 A.
    return {0x4B, 0x4C, 0x4D, 0x4E, 0x50, 0x51, 0x52, 0x53,
            0x31, 0x30, 0x31, 0x32, 0x33, 0x34, 0x02, 0x19};
}

std::string factoryFirmwareText() {
    return "KLMN-PQRS FW1.2.3.4 48V25A";
}

} // namespace morvent
