// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#include "EndingSignals.h"

#include <atomic>
#include <csignal>

namespace morvent {

namespace {

constexpr int kSignals[] = {SIGINT, SIGTERM, SIGHUP};

std::atomic<const EventFd*> g_wakeUp{nullptr};
volatile std::sig_atomic_t g_signal = 0;

static_assert(std::atomic<const EventFd*>::is_always_lock_free,
              "a signal handler needs a lock-free wake-up");

extern "C" void wakeOnSignal(int signal) {
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
    g_wakeUp.store(&m_wakeUp);
    struct sigaction action {};
    action.sa_handler = wakeOnSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART | SA_RESETHAND;
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
