// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#pragma once

#include "CommandRequest.h"
#include "Commands.h"

#include <QStringList>

#include <variant>

namespace morvent {

// The command line taken apart once, before any command runs: the request to run, or how the
// run already ended (the usage, help or the version shown; an unknown command, an option that
// does not parse or a value a command refuses said on stderr, or as JSON with --json).
std::variant<Outcome, CommandRequest> parseCommandLine(const QStringList& arguments,
                                                       const CommandStreams& io);

} // namespace morvent
