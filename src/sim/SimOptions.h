// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#pragma once

#include "ControllerModel.h"

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace morvent {

// The command line of morvent-sim: one option per knob of the simulated controller.
struct SimOptions {
    struct Split {
        Command code;
        std::size_t offset;
        std::chrono::milliseconds pause;
        bool operator==(const Split&) const = default;
    };

    bool help = false;
    std::uint32_t seed = 1;
    unsigned listenBaud = ControllerModel::kReplyBaud;
    bool pace = false;
    std::vector<std::pair<Command, std::size_t>> refusals;
    std::vector<Command> corruptedCodes;
    bool corruptNext = false;
    unsigned dropNext = 0;
    bool dropAll = false;
    std::chrono::milliseconds delay{0};
    std::vector<Split> splits;
    std::optional<Bytes> identity;
    std::optional<std::string> firmwareText;
    bool identityChecksumLowered = false;
    std::optional<std::chrono::milliseconds> hangUpAfter;
    std::optional<Command> hangUpOn;

    bool operator==(const SimOptions&) const = default;
};

// Parses the arguments after the program name. Options take their value as the next argument or
// after "=". Throws std::invalid_argument with a message for the user.
SimOptions parseSimOptions(std::span<const std::string_view> arguments);

std::string simUsage();

// Everything in the options that belongs to the model (not pacing, seed or hanging up).
void applySimOptions(const SimOptions& options, ControllerModel& model);

} // namespace morvent
