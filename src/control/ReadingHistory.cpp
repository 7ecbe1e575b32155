#include "ReadingHistory.h"

#include "NumberConversion.h"

namespace morvent {

ReadingValues readingsShown(const Fields& fields) {
    ReadingValues values{};
    for (std::size_t n = 0; n < kReadingChannelCount; ++n) {
        values[n] = parseInteger(fields.text(kReadingChannels[n].control)).value_or(0);
    }
    return values;
}

void ReadingHistory::add(std::chrono::milliseconds at, const ReadingValues& values) {
    if (!m_points.empty() && at < m_points.back().at) {
        m_points.clear();
    }
    m_points.push_back({at, values});
    while (m_points.front().at < at - kSpan) {
        m_points.pop_front();
    }
}

} // namespace morvent
