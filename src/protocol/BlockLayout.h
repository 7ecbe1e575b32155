// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#pragma once

#include "Frames.h"
#include "ParameterTable.h"
#include "Wording.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace morvent {

// A block's fields are the rows of the parameter table that have payload bytes of their own.
using FieldLayout = Parameter;

struct BlockLayout {
    Block block;
    Command command;
    std::string_view title;          // the page's tab caption
    int page;                        // index of the page in the main window's notebook
    std::size_t length;              // payload bytes, also the all-accepted status
    std::vector<FieldLayout> fields; // payload order; together they cover every payload byte once
    std::string_view readChecksumMessage;
    std::string_view writeChecksumMessage;
    std::string_view successMessage; // a single write accepted
};

const BlockLayout& layout(Block block);

// The block whose replies begin with this code, if any.
std::optional<Block> blockForCode(std::uint8_t code);

// The field that holds the given payload byte; nullptr beyond the block's length.
const FieldLayout* fieldAtByte(Block block, std::size_t payloadByte);

inline constexpr std::string_view kReadFlashSucceeded =
    QT_TRANSLATE_NOOP("Protocol", "Read Flash successfully.");
inline constexpr std::string_view kWriteFlashSucceeded =
    QT_TRANSLATE_NOOP("Protocol", "Write Flash successfully.");

} // namespace morvent
