// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#pragma once

#include "AwaitedRequest.h"
#include "Wording.h"

#include <cstdint>
#include <span>
#include <string>

namespace morvent {

// Words for what goes over the line, for the traffic log a technician reads while something
// does not work: "Basic read request", "Pedal Assist write accepted", "Torque reply: checksum
// error", "unrecognised chunk".

// A frame the tool sends.
std::string describeRequest(std::span<const std::uint8_t> frame);
WordedText describeRequestWording(std::span<const std::uint8_t> frame);

// A chunk the tool receives, as the tool will take it given what it awaits: a block's reply and
// its write acknowledgement begin with the same code.
std::string describeReply(std::span<const std::uint8_t> chunk, PendingRequestKind awaiting);
WordedText describeReplyWording(std::span<const std::uint8_t> chunk, PendingRequestKind awaiting);

// "11 52": two upper-case hexadecimal digits a byte, separated by blanks.
std::string hexBytes(std::span<const std::uint8_t> bytes);

} // namespace morvent
