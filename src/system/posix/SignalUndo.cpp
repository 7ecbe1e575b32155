// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#include "SignalUndo.h"
#include "UndoSteps.h"

#include <pthread.h>
#include <signal.h>
#include <unistd.h>

#include <csignal>
#include <thread>

namespace morvent {

namespace {

void endBy(const sigset_t& signals) {
    int signal = 0;
    while (sigwait(&signals, &signal) != 0) {
    }
    runUndoStepsOnce();
    // Ends the process as the signal would have: its default action, taken on this thread.
    std::signal(signal, SIG_DFL);
    sigset_t one;
    sigemptyset(&one);
    sigaddset(&one, signal);
    pthread_sigmask(SIG_UNBLOCK, &one, nullptr);
    std::raise(signal);
    ::_exit(128 + signal);
}

} // namespace

void installSignalUndo() {
    sigset_t signals;
    sigemptyset(&signals);
    for (const int signal : {SIGINT, SIGTERM, SIGHUP}) {
        // A signal the process was started ignoring (SIGHUP under nohup, SIGINT for a job in
        // the background of a script) stays ignored: it would not have ended the process.
        struct sigaction before {};
        if (sigaction(signal, nullptr, &before) == 0 && before.sa_handler != SIG_IGN) {
            sigaddset(&signals, signal);
        }
    }
    // Held back here, so in every thread started from now on: only the thread below takes them,
    // never one in the middle of changing a line.
    if (sigisemptyset(&signals)) {
        return;
    }
    pthread_sigmask(SIG_BLOCK, &signals, nullptr);
    std::thread([signals] { endBy(signals); }).detach();
}

} // namespace morvent
