// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#pragma once

#include "LineTiming.h"

#include <gtest/gtest.h>

#include <chrono>
#include <string_view>

namespace morvent::test {

// The line's waits shortened for tests that are about something else, about a fifth of each, in
// the order they have on the line. Two keep a wider margin, since a machine running many tests at
// once may wake the simulated controller late: the connect request must still be read at the rate
// it was sent at, before the line goes back to 9600, and the identity reply, ended by the
// silence, must be in before the probing listen is over.
inline constexpr LineTiming kQuickTiming{
    .requestPause = std::chrono::milliseconds(10),
    .connectPause = std::chrono::milliseconds(40),
    .probeListen = std::chrono::milliseconds(100),
    .readInterval = std::chrono::milliseconds(25),
    .pollInterval = std::chrono::milliseconds(100),
};

// A test whose suite's name begins with "RealTiming" (its fixture, or the instantiation of a
// table) goes by the controller's own waits, and ctest labels it realtiming: together those show
// every wait end to end. Every other test goes by kQuickTiming.
inline LineTiming lineTimingOfThisTest() {
    const testing::TestInfo* test = testing::UnitTest::GetInstance()->current_test_info();
    return test && std::string_view(test->test_suite_name()).starts_with("RealTiming")
               ? kControllerTiming
               : kQuickTiming;
}

} // namespace morvent::test
