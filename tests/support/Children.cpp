// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#include "Children.h"

#include <QProcess>

#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <csignal>
#include <thread>

namespace morvent::test {

void resetSignalsInChild(std::initializer_list<int> ignored) {
    struct sigaction action {};
    sigemptyset(&action.sa_mask);
    action.sa_handler = SIG_DFL;
    // Numbers the system keeps for itself refuse the change, which does them no harm.
    for (int signal = 1; signal < NSIG; ++signal) {
        ::sigaction(signal, &action, nullptr);
    }
    action.sa_handler = SIG_IGN;
    for (const int signal : ignored) {
        ::sigaction(signal, &action, nullptr);
    }
    sigset_t none;
    sigemptyset(&none);
    ::sigprocmask(SIG_SETMASK, &none, nullptr);
}

pid_t forkAsFromAShell(std::initializer_list<int> ignored) {
    sigset_t all;
    sigset_t before;
    sigfillset(&all);
    ::pthread_sigmask(SIG_BLOCK, &all, &before);
    const pid_t pid = ::fork();
    if (pid == 0) {
        resetSignalsInChild(ignored);
    } else {
        ::pthread_sigmask(SIG_SETMASK, &before, nullptr);
    }
    return pid;
}

void resetSignalsOnStart(QProcess& process, std::function<void()> more) {
    process.setChildProcessModifier([more = std::move(more)] {
        resetSignalsInChild();
        if (more) {
            more();
        }
    });
}

int endOfChild(pid_t pid, int timeoutMs) {
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    int status = 0;
    for (pid_t ended = 0; ended != pid; ended = ::waitpid(pid, &status, WNOHANG)) {
        if (ended < 0) {
            return -1;
        }
        if (std::chrono::steady_clock::now() >= deadline) {
            ::kill(pid, SIGKILL);
            ::waitpid(pid, nullptr, 0);
            return -1;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    return WIFSIGNALED(status) ? 128 + WTERMSIG(status) : WEXITSTATUS(status);
}

} // namespace morvent::test
