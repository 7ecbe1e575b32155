#include "LiveReadingSource.h"

#include <algorithm>

namespace morvent {

namespace {

constexpr int kPollingPeriodMs = 500;

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

Bytes LiveReadingSource::next() {
    m_highMs = std::clamp(m_highMs + jitter(3), 25, 70);
    m_lowMs = std::clamp(m_lowMs + jitter(3), 25, 70);
    m_torqueMv = std::clamp(m_torqueMv + jitter(40), 780, 2400);
    // The counter advances by the pulses of one polling period, give or take one.
    m_signalCount = static_cast<std::uint16_t>(
        m_signalCount + kPollingPeriodMs / (m_highMs + m_lowMs) + jitter(1) + 1);
    m_level = static_cast<std::uint8_t>(m_random() & 1);

    Bytes payload;
    put16(payload, m_signalCount);
    payload.push_back(m_level);
    put16(payload, static_cast<unsigned>(m_highMs));
    put16(payload, static_cast<unsigned>(m_lowMs));
    put16(payload, static_cast<unsigned>(m_torqueMv));
    return payload;
}

} // namespace morvent
