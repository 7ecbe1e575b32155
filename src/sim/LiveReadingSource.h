// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#pragma once

#include "Frames.h"

#include <chrono>
#include <cstdint>
#include <optional>
#include <random>

namespace morvent {

// A rider standing on the pedals for a while, as a technician does to watch a torque sensor: the
// push swells and fades over its duration, each crank stroke within it presses and eases, and the
// wheel speeds up with the effort.
struct PedalPush {
    std::chrono::milliseconds duration{20000};
    // Above the resting voltage, at the height of the push and of a stroke.
    int peakMv = 1600;
    // One foot's stroke; two make a crank turn.
    std::chrono::milliseconds stroke{1400};
};

// The torque sensor's live readings while a rider pedals steadily: the speed-signal counter runs
// on, the sensor level flips, pulse widths and the torque voltage wander a little around their
// working point. Only the engine's raw output is used, never a standard distribution, so a seed
// gives the same readings with every standard library. A pedal push, once started, adds to them
// by the time that has passed since it began, whoever asks and however often.
class LiveReadingSource {
public:
    explicit LiveReadingSource(std::uint32_t seed);

    // The 9-byte payload of the next reading.
    Bytes next();

    void startPedalPush(const PedalPush& push);

    // How far into the push the pedals are pressed at `elapsed`, from 0 to 1; 0 outside it.
    static double pushStrength(const PedalPush& push, std::chrono::milliseconds elapsed);

private:
    // A value from -spread to +spread.
    int jitter(int spread);

    std::mt19937 m_random;
    std::uint16_t m_signalCount = 0;
    std::uint8_t m_level = 0;
    int m_highMs = 42;
    int m_lowMs = 38;
    int m_torqueMv = 1100;
    std::optional<PedalPush> m_push;
    std::chrono::steady_clock::time_point m_pushStart;
};

} // namespace morvent
