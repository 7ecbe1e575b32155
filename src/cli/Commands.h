// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#pragma once

#include "ControllerSession.h"

#include <QStringList>

#include <cstdio>

namespace morvent {

// The subcommands of morvent-cli. Each takes its own arguments (without the subcommand's name)
// and returns how the run ended; results go to io.out, progress and errors to io.err. Given
// several ports, a command runs on each in a session of its own, all at once, and ends with the
// worst of their outcomes.
struct CommandStreams {
    std::FILE* out = stdout;
    std::FILE* err = stderr;
    // With several ports, the port whose session prints: its name begins each of its lines.
    QString port = {};
    // The line's waits: the controller's own unless a test shortens them.
    LineTiming timing = kControllerTiming;
};

Outcome runCommand(const QStringList& arguments, const CommandStreams& io);

} // namespace morvent
