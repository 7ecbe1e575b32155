// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#include "CliCommand.h"
#include "CommandOutput.h"
#include "PortList.h"
#include "RunGuard.h"

namespace morvent {

namespace {

// ports: the serial ports, one a line, with the adapter's description after a tab.
class PortsCommand : public CliCommand {
public:
    void describe(QCommandLineParser& parser) const override {
        parser.setApplicationDescription("List the serial ports, with the adapter's description.");
    }

    void take(const QCommandLineParser&, CommandRequest&) const override {}

    Outcome run(const CommandRequest&, const RunGuard& guard,
                const CommandStreams& io) const override {
        return guard(io, [&] {
            for (const PortEntry& port : systemSerialPorts()) {
                printResult(io.out, port.description.isEmpty()
                                        ? port.name
                                        : port.name + '\t' + port.description);
            }
            return Outcome::Success;
        });
    }
};

} // namespace

std::shared_ptr<CliCommand> makePortsCommand() {
    return std::make_shared<PortsCommand>();
}

} // namespace morvent
