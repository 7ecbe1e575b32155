// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#pragma once

#include "Frames.h"

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace morvent {

// One request as the controller understood it.
struct ControllerRequest {
    enum class Kind { Read, Connect, Write };

    Kind kind = Kind::Read;
    Command command = Command::Identity;
    Bytes payload; // write frames only
    Bytes raw;     // the whole frame as it came off the line

    bool operator==(const ControllerRequest&) const = default;
};

// Cuts the byte stream from the tool into requests. The line has no framing besides the lead
// bytes 0x11 and 0x16, so whatever does not form a complete, valid frame is given up one byte at
// a time until a lead byte starts one that does. A write frame with a wrong length or a bad
// checksum is therefore ignored, and whatever followed its lead byte is looked at again, which
// is how the stream resynchronises after noise.
class RequestParser {
public:
    std::vector<ControllerRequest> feed(std::span<const std::uint8_t> bytes);

    // Forgets a partial frame, as a change of line speed garbles it.
    void reset() { m_pending.clear(); }

    std::size_t pendingBytes() const { return m_pending.size(); }
    std::size_t discardedBytes() const { return m_discarded; }

private:
    Bytes m_pending;
    std::size_t m_discarded = 0;
};

} // namespace morvent
