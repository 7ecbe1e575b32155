// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#pragma once

#include <chrono>

namespace morvent {

class TComm;

// Gives the component the controller's line format and read interval, for its next open; the
// rate is the opener's to choose (probing starts at the first probe rate).
void useControllerLine(TComm& comm);
// The same with another read interval, for tests that shorten the line's waits.
void useControllerLine(TComm& comm, std::chrono::milliseconds readInterval);

} // namespace morvent
