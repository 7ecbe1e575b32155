// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#pragma once

#include <sys/types.h>

#include <functional>
#include <initializer_list>

class QProcess;

namespace morvent::test {

// Children of a test run as from a shell, whatever the test inherited (a run under nohup or in
// the background ignores SIGHUP or SIGINT; a runner may block signals): before exec, every signal
// to its default, none blocked, then those in `ignored` ignored. Safe in a forked child.
void resetSignalsInChild(std::initializer_list<int> ignored = {});
// fork() whose child resets them so; a signal sent meanwhile waits for the reset. 0 in the child.
pid_t forkAsFromAShell(std::initializer_list<int> ignored = {});
// `process` resets them before its program starts, then runs `more` in the child.
void resetSignalsOnStart(QProcess& process, std::function<void()> more = {});
// The child's exit code, or 128 and its signal; -1, the child killed, when it outlives the limit.
int endOfChild(pid_t pid, int timeoutMs = 10000);

} // namespace morvent::test
