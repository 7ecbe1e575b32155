// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#include "EndingSignals.h"

#include <atomic>
#include <csignal>
#include <ctime>

namespace morvent {

namespace {

constexpr int kSignals[] = {SIGINT, SIGTERM, SIGHUP};

std::atomic<const EventFd*> g_wakeUp{nullptr};
volatile std::sig_atomic_t g_signal = 0;
// When the first signal came, in seconds of the monotonic clock; 0 before one.
volatile std::sig_atomic_t g_firstSecond = 0;

// The pages are kept and the port let go in well under a second; a program still not ended this
// long after the first signal is taken to hang.
constexpr long kPatienceSeconds = 30;

static_assert(std::atomic<const EventFd*>::is_always_lock_free,
              "a signal handler needs a lock-free wake-up");

extern "C" void wakeOnSignal(int signal) {
    // clock_gettime, sigaction and raise may all be called in a signal handler.
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    const long second = static_cast<long>(now.tv_sec) + 1;
    if (g_firstSecond == 0) {
        g_firstSecond = static_cast<std::sig_atomic_t>(second);
    } else if (second - g_firstSecond >= kPatienceSeconds) {
        struct sigaction byDefault {};
        byDefault.sa_handler = SIG_DFL;
        sigemptyset(&byDefault.sa_mask);
        sigaction(signal, &byDefault, nullptr);
        raise(signal);
        return;
    }
    g_signal = signal;
    if (const EventFd* wakeUp = g_wakeUp.load()) {
        wakeUp->signal();
    }
}

} // namespace

EndingSignals::EndingSignals() {
    if (!m_wakeUp.valid()) {
        return;
    }
    g_signal = 0;
    g_firstSecond = 0;
    g_wakeUp.store(&m_wakeUp);
    struct sigaction action {};
    action.sa_handler = wakeOnSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (std::size_t i = 0; i < std::size(kSignals); ++i) {
        if (sigaction(kSignals[i], nullptr, &m_before[i]) == 0 &&
            m_before[i].sa_handler != SIG_IGN) {
            m_installed[i] = sigaction(kSignals[i], &action, nullptr) == 0;
        }
    }
}

EndingSignals::~EndingSignals() {
    for (std::size_t i = 0; i < std::size(kSignals); ++i) {
        if (m_installed[i]) {
            sigaction(kSignals[i], &m_before[i], nullptr);
        }
    }
    g_wakeUp.store(nullptr);
}

int EndingSignals::take() {
    m_wakeUp.drain();
    return g_signal;
}

} // namespace morvent
