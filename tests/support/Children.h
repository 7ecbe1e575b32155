// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#pragma once

#include <sys/types.h>

#include <functional>
#include <initializer_list>

class QProcess;

namespace morvent::test {

// A child a test starts runs as it would from a shell, whatever the test inherited: a run in the
// background or under nohup ignores SIGINT or SIGHUP, and a runner may block signals. Between
// fork and exec: every signal back to its default action, none blocked, then those in `ignored`
// ignored. Only calls that are safe in a forked child.
void resetSignalsInChild(std::initializer_list<int> ignored = {});
// fork() whose child has reset its signals so. Signals sent to the child before that wait for it
// rather than meet a disposition inherited from this process. 0 in the child.
pid_t forkAsFromAShell(std::initializer_list<int> ignored = {});
// `process` resets them so before its program starts, then runs `more` (if any) in the child.
void resetSignalsOnStart(QProcess& process, std::function<void()> more = {});
// The child's exit code, or 128 and the signal that ended it. A child still running after
// `timeoutMs` is killed and -1 returned: a test that fails ends instead of hanging.
int endOfChild(pid_t pid, int timeoutMs = 10000);

} // namespace morvent::test
