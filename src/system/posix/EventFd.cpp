// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#include "EventFd.h"

#include "Poll.h"

#include <sys/eventfd.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>

namespace morvent {

EventFd::EventFd() : m_fd(aboveStandardStreams(::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK))) {}

void EventFd::signal() const {
    const std::uint64_t one = 1;
    // The counter cannot overflow from the few signals given before a drain, so this cannot fail.
    [[maybe_unused]] const ssize_t written = ::write(m_fd.get(), &one, sizeof one);
}

bool EventFd::signalled() const {
    pollfd state{m_fd.get(), POLLIN, 0};
    return pollRetrying({&state, 1}, std::chrono::nanoseconds::zero()) > 0;
}

bool EventFd::drain() const {
    std::uint64_t count = 0;
    return ::read(m_fd.get(), &count, sizeof count) == sizeof count || errno == EAGAIN;
}

} // namespace morvent
