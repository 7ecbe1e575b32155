// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#include "LiveReadingSource.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace morvent {

namespace {

constexpr int kPollingPeriodMs = 500;

// The push as a whole: rising from nothing to its height halfway through, then fading away.
double swell(const PedalPush& push, std::chrono::milliseconds elapsed) {
    if (elapsed.count() < 0 || elapsed >= push.duration) {
        return 0.0;
    }
    return std::sin(std::numbers::pi * static_cast<double>(elapsed.count()) /
                    static_cast<double>(push.duration.count()));
}

void put16(Bytes& payload, unsigned value) {
    payload.push_back(static_cast<std::uint8_t>(value >> 8));
    payload.push_back(static_cast<std::uint8_t>(value));
}

} // namespace

LiveReadingSource::LiveReadingSource(std::uint32_t seed) : m_random(seed) {
    m_signalCount = static_cast<std::uint16_t>(m_random() % 1000);
}

int LiveReadingSource::jitter(int spread) {
    return static_cast<int>(m_random() % static_cast<unsigned>(2 * spread + 1)) - spread;
}

void LiveReadingSource::startPedalPush(const PedalPush& push) {
    m_push = push;
    m_pushStart = std::chrono::steady_clock::now();
}

double LiveReadingSource::pushStrength(const PedalPush& push, std::chrono::milliseconds elapsed) {
    if (push.stroke.count() <= 0) {
        return 0.0;
    }
    // A foot never lets go of the pedal completely between strokes.
    const double stroke =
        std::abs(std::sin(std::numbers::pi * static_cast<double>(elapsed.count()) /
                          static_cast<double>(push.stroke.count())));
    return swell(push, elapsed) * (0.3 + 0.7 * stroke);
}

Bytes LiveReadingSource::next() {
    m_highMs = std::clamp(m_highMs + jitter(3), 25, 70);
    m_lowMs = std::clamp(m_lowMs + jitter(3), 25, 70);
    m_torqueMv = std::clamp(m_torqueMv + jitter(40), 780, 2400);

    int highMs = m_highMs;
    int lowMs = m_lowMs;
    int torqueMv = m_torqueMv;
    if (m_push) {
        const auto elapsed = std::chrono::duration_cast<std::chrono::milliseconds>(
            std::chrono::steady_clock::now() - m_pushStart);
        if (elapsed >= m_push->duration) {
            m_push.reset();
        } else {
            const double strength = pushStrength(*m_push, elapsed);
            torqueMv += static_cast<int>(std::lround(m_push->peakMv * strength));
            // The wheel turns faster under the push, so the speed signal's pulses shorten; the
            // resting pace comes back only as the push fades.
            const double faster = 1.0 - 0.6 * swell(*m_push, elapsed);
            highMs = std::max(8, static_cast<int>(std::lround(highMs * faster)));
            lowMs = std::max(8, static_cast<int>(std::lround(lowMs * faster)));
        }
    }
    // The counter advances by the pulses of one polling period, give or take one.
    m_signalCount = static_cast<std::uint16_t>(m_signalCount + kPollingPeriodMs / (highMs + lowMs) +
                                               jitter(1) + 1);
    m_level = static_cast<std::uint8_t>(m_random() & 1);

    Bytes payload;
    put16(payload, m_signalCount);
    payload.push_back(m_level);
    put16(payload, static_cast<unsigned>(highMs));
    put16(payload, static_cast<unsigned>(lowMs));
    put16(payload, static_cast<unsigned>(std::clamp(torqueMv, 0, 0xFFFF)));
    return payload;
}

} // namespace morvent
