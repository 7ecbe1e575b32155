// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#pragma once

#include "Frames.h"
#include "LineTiming.h"

#include <algorithm>
#include <cstddef>
#include <cstdlib>
#include <cstring>
#include <vector>

// What the window's flash chains cannot be faster than at 9600 baud: the waits the tool must make
// before each request, the wire time of every request and reply, and the 100 ms of silence that
// ends each reply in the window.
namespace morvent::bench {

inline constexpr double kByteMs = 10.0 * 1000.0 / 9600.0; // 8N1: ten bits a byte
inline constexpr double kIntervalMs = 100.0;
inline constexpr auto kRequestWaitMs = static_cast<double>(kRequestPause.count());
inline constexpr auto kConnectWaitMs = static_cast<double>(kConnectPause.count());
inline constexpr auto kProbeTickMs = static_cast<double>(kProbeListen.count());

// The number of runs a benchmark was asked for with --runs N: 5 unless told, at least 1.
inline int runsAsked(int argc, char** argv) {
    for (int i = 1; i + 1 < argc; ++i) {
        if (std::strcmp(argv[i], "--runs") == 0) {
            return std::max(1, std::atoi(argv[i + 1]));
        }
    }
    return 5;
}

inline double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// One request and its reply: the wait before it, both on the wire, the silence after.
inline double exchangeMs(double waitMs, std::size_t requestBytes, std::size_t replyBytes) {
    return waitMs + static_cast<double>(requestBytes + replyBytes) * kByteMs + kIntervalMs;
}

// Read Flash: the four blocks and the live readings.
inline double readFlashFloorMs() {
    return exchangeMs(kRequestWaitMs, 2, 3 + kBasicLength) +
           exchangeMs(kRequestWaitMs, 2, 3 + kPedalAssistLength) +
           exchangeMs(kRequestWaitMs, 2, 3 + kThrottleHandleLength) +
           exchangeMs(kRequestWaitMs, 2, 3 + kTorqueLength) +
           exchangeMs(kRequestWaitMs, 2, 3 + kLiveReadingsLength);
}

} // namespace morvent::bench
