// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#include "ReadingHistory.h"

namespace morvent {

void ReadingHistory::add(std::chrono::milliseconds at, const LiveReadingValues& values) {
    if (!m_points.empty() && at < m_points.back().at) {
        m_points.clear();
    }
    m_points.push_back({at, values});
    while (m_points.front().at < at - kSpan) {
        m_points.pop_front();
    }
}

} // namespace morvent
