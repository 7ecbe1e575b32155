// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#include "Children.h"

#include <QProcess>

#include <sys/wait.h>

#include <chrono>
#include <csignal>
#include <thread>

namespace morvent::test {

void resetSignalsInChild(std::initializer_list<int> ignored) {
    struct sigaction action {};
    action.sa_handler = SIG_DFL;
    for (int signal = 1; signal < NSIG; ++signal) {
        ::sigaction(signal, &action, nullptr); // the system's own numbers refuse, harmlessly
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
    pid == 0 ? resetSignalsInChild(ignored)
             : void(::pthread_sigmask(SIG_SETMASK, &before, nullptr));
    return pid;
}

void resetSignalsOnStart(QProcess& process, std::function<void()> more) {
    process.setChildProcessModifier([more = std::move(more)] {
        resetSignalsInChild();
        more ? more() : void();
    });
}

int endOfChild(pid_t pid, int timeoutMs) {
    const auto limit = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    int status = 0;
    pid_t ended = 0;
    while ((ended = ::waitpid(pid, &status, WNOHANG)) == 0 &&
           std::chrono::steady_clock::now() < limit) {
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
    if (ended == 0) {
        ::kill(pid, SIGKILL);
        ::waitpid(pid, nullptr, 0);
    }
    if (ended != pid) {
        return -1;
    }
    return WIFSIGNALED(status) ? 128 + WTERMSIG(status) : WEXITSTATUS(status);
}

} // namespace morvent::test
