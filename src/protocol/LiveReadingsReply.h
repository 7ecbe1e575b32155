#pragma once

#include "BlockLayout.h"
#include "Fields.h"

#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

namespace morvent {

// The torque sensor's live readings reply (0x56): five values for the read-only fields of the
// "About Tq" group, Edit92 to Edit96, 16-bit values high byte first.
const std::vector<FieldSpec>& liveReadingFields();

// Fills Edit92 .. Edit96 from the reply's fixed offsets whatever its length byte says; bytes
// that did not arrive read as 0. The caller tests the reply first (readReplyFlaw).
void applyLiveReadings(std::span<const std::uint8_t> reply, Fields& fields);

inline constexpr std::string_view kLiveReadingsChecksumMessage = "Read The Tq Info CheckSum Error";

} // namespace morvent
