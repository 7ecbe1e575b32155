// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#pragma once

#include <cstdint>
#include <span>
#include <string>

namespace morvent {

// The controller's texts are single bytes, one character each. Read as Latin-1 they give the
// same characters, and encoded as UTF-8 they stay valid text in any front end, whatever bytes a
// controller sends.
std::string latin1ToUtf8(std::span<const std::uint8_t> bytes);

} // namespace morvent
