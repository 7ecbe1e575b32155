// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#include "ReadTiming.h"

#include <algorithm>

namespace morvent {

namespace {

int remainingMs(std::chrono::steady_clock::time_point deadline) {
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
        deadline - std::chrono::steady_clock::now());
    // Round up so a wake-up never comes a fraction early and spins for the rest.
    return static_cast<int>(std::max<std::chrono::milliseconds::rep>(0, left.count() + 1));
}

} // namespace

void ReadTiming::setTimeouts(const CommTimeouts& timeouts) {
    m_interval.store(timeouts.ReadIntervalTimeout);
    m_totalMultiplier.store(timeouts.ReadTotalTimeoutMultiplier);
    m_totalConstant.store(timeouts.ReadTotalTimeoutConstant);
}

std::uint64_t ReadTiming::totalMs() const {
    return std::uint64_t{m_totalMultiplier.load()} * m_chunkSize + m_totalConstant.load();
}

std::chrono::milliseconds ReadTiming::untilDue(std::size_t count) const {
    int wait = -1;
    auto shorten = [&wait](int ms) { wait = wait < 0 ? ms : std::min(wait, ms); };

    const std::uint32_t interval = m_interval.load();
    if (count > 0 && interval != 0) {
        shorten(remainingMs(m_lastByte + std::chrono::milliseconds(interval)));
    }
    if (const std::uint64_t total = totalMs(); total != 0) {
        shorten(remainingMs(m_readStart + std::chrono::milliseconds(total)));
    }
    return std::chrono::milliseconds(wait);
}

bool ReadTiming::due(std::span<const std::uint8_t> received) {
    const std::size_t count = received.size();
    const std::uint32_t interval = m_interval.load();
    const std::uint64_t total = totalMs();
    const auto now = Clock::now();
    const bool full = count >= m_chunkSize;
    const bool immediate = interval == kMaxTimeout && total == 0;
    const bool intervalOver =
        interval != 0 && now - m_lastByte >= std::chrono::milliseconds(interval);
    const bool totalOver = total != 0 && now - m_readStart >= std::chrono::milliseconds(total);
    const bool whole = count > 0 && m_replyComplete && m_replyComplete(received);

    if (count > 0 && (full || immediate || intervalOver || totalOver || whole)) {
        m_readStart = now;
        return true;
    }
    if (totalOver) {
        // Only a read with nothing in hand gets here: one that timed out empty is simply started
        // again, since an empty completion must never end the reader and leave the port open
        // but deaf.
        m_readStart = now;
    }
    return false;
}

} // namespace morvent
