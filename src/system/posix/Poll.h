// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#pragma once

#include <poll.h>

#include <chrono>
#include <span>

namespace morvent {

inline constexpr std::chrono::nanoseconds kWaitForever{-1};

// poll() that a signal arriving meanwhile does not cut short: the wait goes on for what is left
// of the timeout (negative: no limit; zero: a look without waiting). The result is poll()'s:
// the number of descriptors ready, 0 when the time ran out, -1 with errno on a real failure.
int pollRetrying(std::span<pollfd> descriptors, std::chrono::nanoseconds timeout = kWaitForever);

} // namespace morvent
