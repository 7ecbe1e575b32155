// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

// Windows has no pseudo-terminals: the simulated controller serves an in-process line, which the
// serial component opens by its name.

#include "ControllerEnd.h"

namespace morvent {

std::unique_ptr<ControllerEnd> openControllerEnd() {
    return openSimulatedLineEnd();
}

} // namespace morvent
