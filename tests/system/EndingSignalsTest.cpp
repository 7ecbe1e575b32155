// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#include "EndingSignals.h"

#include <gtest/gtest.h>

#include <csignal>
#include <poll.h>
#include <set>

namespace morvent {
namespace {

// While the program listens for an ending signal, each one not ignored wakes it and is told; one
// it started with ignored (under nohup) stays ignored; after, each has what it had before.
TEST(EndingSignals, WakeWhileListenedForAndAreGivenBackAfter) {
    const auto handlerOf = [](int signal) {
        struct sigaction now {};
        ::sigaction(signal, nullptr, &now);
        return now.sa_handler;
    };
    std::signal(SIGINT, SIG_DFL);
    std::signal(SIGTERM, SIG_DFL);
    std::signal(SIGHUP, SIG_IGN);
    {
        EndingSignals listening;
        ASSERT_GE(listening.fd(), 0);
        EXPECT_EQ(handlerOf(SIGHUP), SIG_IGN);
        for (const int signal : {SIGINT, SIGTERM}) {
            ::raise(signal);
            pollfd woken{listening.fd(), POLLIN, 0};
            EXPECT_EQ(::poll(&woken, 1, 5000), 1);
            EXPECT_EQ(listening.take(), signal);
        }
    }
    EXPECT_EQ(std::set({handlerOf(SIGINT), handlerOf(SIGTERM)}), std::set({SIG_DFL}));
    EXPECT_EQ(handlerOf(SIGHUP), SIG_IGN);
}

} // namespace
} // namespace morvent
