// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#pragma once

#include "LiveReadingsReply.h"

#include <chrono>
#include <deque>

namespace morvent {

// The readings of the last minute, oldest first, for the live plot. Times are on a clock that
// never goes back (milliseconds from any fixed start), so the span stays a minute whatever the
// wall clock does; a time before the newest one held means that clock was started afresh, and
// what came before is dropped.
class ReadingHistory {
public:
    static constexpr std::chrono::milliseconds kSpan{60000};

    struct Point {
        std::chrono::milliseconds at;
        LiveReadingValues values;
    };

    // Adds a reading and drops those more than kSpan older than it.
    void add(std::chrono::milliseconds at, const LiveReadingValues& values);
    void clear() { m_points.clear(); }

    const std::deque<Point>& points() const { return m_points; }
    bool empty() const { return m_points.empty(); }

private:
    std::deque<Point> m_points;
};

} // namespace morvent
