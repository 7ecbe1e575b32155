// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#pragma once

#include <condition_variable>
#include <cstddef>
#include <mutex>

namespace morvent {

// Open files are what many ports run out of first: each port's session holds its line, two
// wake-ups and its thread's event loop, and briefly a few more while it looks for other users
// of the line or saves a file. Running out part way would end the run half done (the event loop
// of a session's thread aborts the process when it gets no descriptor), so the sessions are
// counted against the limit before the first port is opened.
struct DescriptorBudget {
    std::size_t atOnce = 0; // sessions that may run at the same time, at least 1
    std::size_t limit = 0;  // open files allowed (the soft limit, raised as far as it goes)
};

// Raises the soft limit of open files towards what `sessions` sessions need (as far as the hard
// limit allows) when there are several; `heldFiles` files are held for the whole run besides
// (the CSV files of watch). A single session is left to its own limit, as ever. On Windows, where
// no such limit is near, every session runs at once.
DescriptorBudget descriptorBudget(std::size_t sessions, std::size_t heldFiles);

// Lets at most `count` sessions run at once; the others wait, in no particular order, for one
// to end.
class SessionSlots {
public:
    explicit SessionSlots(std::size_t count) : m_free(count) {}

    class Slot {
    public:
        explicit Slot(SessionSlots& owner);
        ~Slot();
        Slot(const Slot&) = delete;
        Slot& operator=(const Slot&) = delete;

    private:
        SessionSlots& m_slots;
    };

private:
    std::mutex m_mutex;
    std::condition_variable m_freed;
    std::size_t m_free;
};

} // namespace morvent
