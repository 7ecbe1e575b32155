// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#pragma once

#include "BlockLayout.h"
#include "Refusal.h"

#include <cstddef>
#include <cstdint>
#include <string>

namespace morvent {

// What the status byte of a block's write acknowledgement says.
enum class StatusKind : std::uint8_t {
    FieldRefused, // below N: the controller refused the payload byte with that index
    Accepted,     // N, the block's payload length: the whole block is stored
    NothingShown, // above N: means nothing to the tool
};

struct StatusOutcome {
    StatusKind kind;
    // FieldRefused only: the field's message ("The Mode setting error,Please reset."), the
    // control to focus and the block's page.
    Refusal refusal;
};

StatusOutcome interpretStatus(Block block, std::uint8_t status);

// The controller's message for a refused payload byte; empty beyond the block's length.
std::string refusedByteMessage(Block block, std::size_t payloadByte);
WordedText refusedByteWording(Block block, std::size_t payloadByte);

} // namespace morvent
