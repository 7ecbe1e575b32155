// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#pragma once

#include "CommTypes.h"

#include <termios.h>

namespace morvent {

// The termios speed constant for a rate in baud, or B0 where the kernel has none for it.
speed_t speedConstant(std::uint32_t baudRate);

// Builds the termios for settings from nothing, for a rate that has a termios constant: raw bytes
// in both directions (no echo, no line editing, no translation), the receiver on, the
// modem-control lines ignored for opening (CLOCAL), and each setting mapped to its nearest
// termios meaning. Settings a serial line on this system has no knob for (DSR flow and
// sensitivity, XON/XOFF limits, continuing after XOFF, replacing bytes with parity errors) add
// nothing.
termios lineAttributes(const LineSettings& settings);

// Applies settings to an open line: termios, then the DTR and RTS lines where the device has
// them. False, with errno set, when the device refused them: a rate without a termios constant,
// attributes it would not take, or a speed or character format it changed to one of its own.
bool applyLineSettings(int fd, const LineSettings& settings);

} // namespace morvent
