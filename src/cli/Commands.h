#pragma once

#include "ControllerSession.h"

#include <QStringList>

#include <cstdio>

namespace morvent {

// The subcommands of morvent-cli. Each takes its own arguments (without the subcommand's name)
// and returns how the run ended; results go to out, progress and errors to err.
struct CommandStreams {
    std::FILE* out = stdout;
    std::FILE* err = stderr;
};

Outcome runCommand(const QStringList& arguments, const CommandStreams& streams);

} // namespace morvent
