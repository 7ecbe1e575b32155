// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#pragma once

#include "BlockLayout.h"
#include "Fields.h"
#include "Refusal.h"

#include <optional>

namespace morvent {

// The range checks a Write button makes before anything is sent, in their fixed order; the
// first field out of range is refused with "The NAME is out of range,Please input again.", the
// field's control and its page. The bounds and names are those of the parameter table
// (ParameterDefinitions.h). Every other value is left to the controller, which refuses a
// field through the status byte. A field's text that is not a whole number raises
// ConversionError when its check is reached.
//
// A page's own checks run first, then checkFieldWidths (BlockCodec.h); only when both pass is
// the block written.

// "Limited Current(A):" may not exceed the controller's maximum current (there is no lower
// bound); the speed meter's signal count must be 1 to 36.
std::optional<Refusal> checkBasicWrite(const Fields& fields, int maxCurrent);

std::optional<Refusal> checkPedalAssistWrite(const Fields& fields);
std::optional<Refusal> checkThrottleHandleWrite(const Fields& fields);

// Only the base voltage and the lower error voltage are checked (0 to 5000 mV).
std::optional<Refusal> checkTorqueWrite(const Fields& fields);

// Write Flash checks the Basic, Pedal Assist and Throttle Handle fields in an order of its own
// (the Pedal Assist keep current comes last) and none of the Torque page.
std::optional<Refusal> checkWriteFlash(const Fields& fields, int maxCurrent);

// Those of Write Flash's checks that concern one block, in the same order: the chain makes them
// again as it builds that block's frame, since the pages stay open to typing while it runs.
std::optional<Refusal> checkWriteFlashBlock(Block block, const Fields& fields, int maxCurrent);

} // namespace morvent
