// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#include "Commands.h"

#include "CliCommand.h"
#include "CommandLine.h"
#include "RunGuard.h"

namespace morvent {

Outcome runCommand(const QStringList& arguments, const CommandStreams& io) {
    const std::variant<Outcome, CommandRequest> parsed = parseCommandLine(arguments, io);
    if (const Outcome* ended = std::get_if<Outcome>(&parsed)) {
        return *ended;
    }
    const CommandRequest& request = std::get<CommandRequest>(parsed);
    return request.command->run(request, RunGuard(request.name, request.json), io);
}

} // namespace morvent
