// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#pragma once

#include "CommPort.h"

namespace morvent {

// The line of a simulated controller inside this program (SimulatedLine, named "SIMULATED"...):
// Windows has no pseudo-terminals, so the built-in simulated controller serves one of these, and
// the component opens it by name behind the same seam as a COM port. Raises "Error opening serial
// port" when there is no such line now or its tool end is open already.
std::unique_ptr<CommPort> openSimulatedPort(const std::string& path, const PortSetup& setup);

} // namespace morvent
