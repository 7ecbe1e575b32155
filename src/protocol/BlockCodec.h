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

// The number a value shown goes to the controller as, before its field's width cuts it and its
// byte is shared: a list's item (the one its text names, else the one selected), a wheel size's
// code, a typed number. Nothing for a text that stands for no number. Two values are the same to
// the controller exactly when these are.
std::optional<std::int64_t> wireValue(const Parameter& p, std::string_view text, int index);

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

// Makes a combo box show what it will be sent as, when the user leaves it and before a write
// reads it. One used by its selected item (a fixed list) selects the item its text names, or
// else shows its selected item's text again (nothing, with none selected). One used by its text
// (the low-battery voltage, the wheel size) selects the item its text names, or none, and keeps
// the text.
void settleCombo(std::string_view control, Fields& fields);
// settleCombo for every combo box of the block.
void settleCombos(Block block, Fields& fields);

} // namespace morvent
