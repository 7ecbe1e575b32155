// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#include "Poll.h"

#include <time.h>

#include <algorithm>
#include <cerrno>

namespace morvent {

int pollRetrying(std::span<pollfd> descriptors, std::chrono::nanoseconds timeout) {
    using Clock = std::chrono::steady_clock;
    const bool limited = timeout >= std::chrono::nanoseconds::zero();
    const Clock::time_point deadline = Clock::now() + (limited ? timeout : timeout.zero());
    for (;;) {
        timespec left{};
        if (limited) {
            const auto rest = std::chrono::duration_cast<std::chrono::nanoseconds>(
                std::max<Clock::duration>(deadline - Clock::now(), Clock::duration::zero()));
            left.tv_sec = static_cast<time_t>(rest.count() / 1'000'000'000);
            left.tv_nsec = static_cast<long>(rest.count() % 1'000'000'000);
        }
        const int ready =
            ::ppoll(descriptors.data(), descriptors.size(), limited ? &left : nullptr, nullptr);
        if (ready >= 0 || errno != EINTR) {
            return ready;
        }
    }
}

} // namespace morvent
