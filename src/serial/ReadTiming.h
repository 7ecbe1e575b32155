// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#pragma once

#include "CommTypes.h"

#include <atomic>
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <span>

namespace morvent {

// When the bytes a reader has gathered make a chunk for the component, timed by the reader
// itself: the read interval's silence after the last byte, the total timeout since the read
// began (multiplier per byte of a chunk plus constant), a full chunk, an interval of all ones
// with no total timeout (at once), or, given a test of whole replies, a whole reply. A chunk is
// never empty: a total timeout that passes with nothing in hand starts the read's time again.
class ReadTiming {
public:
    using Clock = std::chrono::steady_clock;

    explicit ReadTiming(std::size_t chunkSize) : m_chunkSize(chunkSize) {}

    // From any thread, while the reader runs: the next wait uses them.
    void setTimeouts(const CommTimeouts& timeouts);
    // Before the reader starts, or under a lock its reader holds around due().
    void setReplyComplete(ReplyComplete complete) { m_replyComplete = std::move(complete); }

    // How long the reader may wait for more with `count` bytes in hand before a chunk could be
    // due; negative: until something happens.
    std::chrono::milliseconds untilDue(std::size_t count) const;
    // Bytes came just now.
    void arrived() { m_lastByte = Clock::now(); }
    // Whether the bytes in hand make a chunk now. When they do, the next read's time starts.
    bool due(std::span<const std::uint8_t> received);

private:
    std::uint64_t totalMs() const;

    const std::size_t m_chunkSize;
    std::atomic<std::uint32_t> m_interval{10};
    std::atomic<std::uint32_t> m_totalMultiplier{0};
    std::atomic<std::uint32_t> m_totalConstant{0};
    ReplyComplete m_replyComplete;
    // Only the reader thread touches these.
    Clock::time_point m_readStart = Clock::now();
    Clock::time_point m_lastByte = m_readStart;
};

} // namespace morvent
