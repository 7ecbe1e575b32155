#pragma once

#include "Fields.h"

#include <array>
#include <chrono>
#include <cstddef>
#include <deque>
#include <string_view>

namespace morvent {

// One of the torque sensor's five live readings: the field of the "About Tq" group that shows it,
// its name as the field's caption gives it, and the unit in that caption (none for the two
// that have no unit).
struct ReadingChannel {
    std::string_view control;
    std::string_view name;
    std::string_view unit;
};

inline constexpr std::size_t kReadingChannelCount = 5;
using ReadingValues = std::array<int, kReadingChannelCount>;

// In the order of the fields, Edit92 to Edit96.
inline constexpr std::array<ReadingChannel, kReadingChannelCount> kReadingChannels{{
    {"Edit92", "SpeedSignalACC", ""},
    {"Edit93", "SpeedSigLevel", ""},
    {"Edit94", "LevelHTime", "ms"},
    {"Edit95", "LevelLTime", "ms"},
    {"Edit96", "TqVoltate", "mV"},
}};

// The readings as the fields show them; a field that holds no number counts as 0.
ReadingValues readingsShown(const Fields& fields);

// The readings of the last minute, oldest first, for the live plot. Times are on a clock that
// never goes back (milliseconds from any fixed start), so the span stays a minute whatever the
// wall clock does; a time before the newest one held means that clock was started afresh, and
// what came before is dropped.
class ReadingHistory {
public:
    static constexpr std::chrono::milliseconds kSpan{60000};

    struct Point {
        std::chrono::milliseconds at;
        ReadingValues values;
    };

    // Adds a reading and drops those more than kSpan older than it.
    void add(std::chrono::milliseconds at, const ReadingValues& values);
    void clear() { m_points.clear(); }

    const std::deque<Point>& points() const { return m_points; }
    bool empty() const { return m_points.empty(); }

private:
    std::deque<Point> m_points;
};

} // namespace morvent
