// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#include "SessionSlots.h"

#include <algorithm>

namespace morvent {

// Windows has no limit of open files per process that a run of sessions could reach: a process
// may hold some sixteen million handles, and a session's port, events, thread and the files it
// opens for a moment are handles, not C runtime descriptors. Every port is served at once; the
// limit reported is that of the handles.
DescriptorBudget descriptorBudget(std::size_t sessions, std::size_t) {
    return {std::max<std::size_t>(sessions, 1), std::size_t{1} << 24};
}

} // namespace morvent
