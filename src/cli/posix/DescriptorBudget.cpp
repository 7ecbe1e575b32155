// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#include "SessionSlots.h"

#include <sys/resource.h>

#include <algorithm>

namespace morvent {

namespace {

// What one session holds at most at a time, with room to spare: its line, the stop and
// notification wake-ups, its thread's event loop, and the folders and files it opens for a
// moment while it looks for other users of the line or saves a parameter file.
constexpr std::size_t kPerSession = 8;
// What the process holds besides: the standard streams, the main thread's event loop, the probe
// rate memory, the libraries' own.
constexpr std::size_t kReserve = 64;

} // namespace

DescriptorBudget descriptorBudget(std::size_t sessions, std::size_t heldFiles) {
    rlimit limit{};
    if (::getrlimit(RLIMIT_NOFILE, &limit) != 0) {
        return {sessions, 0};
    }
    const rlim_t wanted = kReserve + heldFiles + kPerSession * sessions;
    if (sessions > 1 && limit.rlim_cur != RLIM_INFINITY && limit.rlim_cur < wanted) {
        rlimit raised = limit;
        raised.rlim_cur =
            limit.rlim_max == RLIM_INFINITY ? wanted : std::min(limit.rlim_max, wanted);
        if (::setrlimit(RLIMIT_NOFILE, &raised) == 0) {
            limit = raised;
        }
    }
    if (limit.rlim_cur == RLIM_INFINITY) {
        return {sessions, static_cast<std::size_t>(wanted)};
    }
    const auto allowed = static_cast<std::size_t>(limit.rlim_cur);
    const std::size_t room = allowed > kReserve + heldFiles ? allowed - kReserve - heldFiles : 0;
    return {std::clamp<std::size_t>(room / kPerSession, 1, std::max<std::size_t>(sessions, 1)),
            allowed};
}

} // namespace morvent
