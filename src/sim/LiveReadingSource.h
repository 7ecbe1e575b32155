#pragma once

#include "Frames.h"

#include <cstdint>
#include <random>

namespace morvent {

// The torque sensor's live readings while a rider pedals steadily: the speed-signal counter runs
// on, the sensor level flips, pulse widths and the torque voltage wander a little around their
// working point. Only the engine's raw output is used, never a standard distribution, so a seed
// gives the same readings with every standard library.
class LiveReadingSource {
public:
    explicit LiveReadingSource(std::uint32_t seed);

    // The 9-byte payload of the next reading.
    Bytes next();

private:
    // A value from -spread to +spread.
    int jitter(int spread);

    std::mt19937 m_random;
    std::uint16_t m_signalCount = 0;
    std::uint8_t m_level = 0;
    int m_highMs = 42;
    int m_lowMs = 38;
    int m_torqueMv = 1100;
};

} // namespace morvent
