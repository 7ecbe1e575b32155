#pragma once

#include "ControllerSession.h"

#include <QStringList>

#include <cstdio>

namespace morvent {

// The subcommands of morvent-cli. Each takes its own arguments (without the subcommand's name)
// and returns how the run ended; results go to io.out, progress and errors to io.err.
struct CommandStreams {
    std::FILE* out = stdout;
    std::FILE* err = stderr;
};

Outcome runCommand(const QStringList& arguments, const CommandStreams& io);

} // namespace morvent
