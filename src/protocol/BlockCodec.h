// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#pragma once

#include "BlockLayout.h"
#include "Fields.h"
#include "Frames.h"
#include "Refusal.h"

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

namespace morvent {

// The payload of a block as its controls hold it now, read in payload order. A text that is not
// a whole number raises ConversionError at its field, before any later field is looked at. A
// value wider than its field is cut to the field here; callers refuse such values first with
// checkFieldWidths.
Bytes buildPayload(Block block, const Fields& fields);

// 0x16, code, N, the payload above and the checksum.
Bytes buildWriteFrame(Block block, const Fields& fields);

// Puts a block read reply into the block's controls, in payload order. The payload is read at
// its fixed offsets whatever the length byte says, and bytes that did not arrive read as 0. The
// checksum is not looked at: the caller tests the reply first (readReplyFlaw).
void applyReadReply(Block block, std::span<const std::uint8_t> reply, Fields& fields);

// The same for any list of fields laid out from reply offset 2 on.
void applyReplyFields(std::span<const FieldLayout> definitions, std::span<const std::uint8_t> reply,
                      Fields& fields);

// The controller keeps only the low bits of a value, so a value wider than its wire field would
// be stored as something else than the operator typed (300 % as 44 %). This refuses the first
// field, in payload order, whose typed value does not fit: "The NAME is out of range,Please
// input again." with the field's control and the block's page. Combo boxes used by their index
// always fit. Raises ConversionError like buildPayload.
std::optional<Refusal> checkFieldWidths(Block block, const Fields& fields);

// checkFieldWidths over the four blocks in the order Write Flash sends them.
std::optional<Refusal> checkFieldWidthsForFlash(const Fields& fields);

// The values a field's typed number may take: the width of its wire field, or less where the
// byte carries something else besides (the speed meter's signal count has six bits, a wheel
// size travels doubled). Nothing for combo boxes used by their index.
struct TypedRange {
    std::int64_t lowest;
    std::int64_t highest;
};
std::optional<TypedRange> typedRange(const FieldLayout& field);

// Makes a combo box show what it will be sent as, when the user leaves it and before a write
// reads it. One used by its selected item (a fixed list) selects the item its text names, or
// else shows its selected item's text again (nothing, with none selected). One used by its text
// (the low-battery voltage, the wheel size) selects the item its text names, or none, and keeps
// the text.
void settleCombo(std::string_view control, Fields& fields);
// settleCombo for every combo box of the block.
void settleCombos(Block block, Fields& fields);

// "700C" is the 13th wheel size and has a code of its own; it is sent so only when shown.
inline constexpr std::string_view k700C = "700C";
inline constexpr int k700CIndex = 12;
inline constexpr std::uint8_t k700CCode = 0x37;

} // namespace morvent
