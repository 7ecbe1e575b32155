// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#pragma once

namespace morvent {

// Runs every registered undo step once the changes under way are done, and holds back every
// change that would start afterwards; for each system's own way of being ended. Returns when the
// steps have run, for the caller to end the process as the system would.
void runUndoStepsOnce();

} // namespace morvent
