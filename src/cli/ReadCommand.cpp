// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#include "ArgumentText.h"
#include "CliCommand.h"
#include "CommandOutput.h"
#include "ConnectedController.h"
#include "FileIo.h"
#include "IdentityReply.h"
#include "ParameterFile.h"
#include "ParameterModel.h"
#include "PortSessions.h"
#include "RunGuard.h"
#include "SaveTargets.h"
#include "ShownText.h"

namespace morvent {

namespace {

Outcome read(ConnectedController& controller, const QString& path, bool json,
             const CommandStreams& io) {
    // What the file holds before the controller is read: should it hold something else when
    // the values are saved, another run saved it meanwhile, and it is left to that run.
    const std::optional<std::string> before = readFile(localBytes(path), kParameterFileLimit);
    ParameterModel fields;
    applyIdentity(controller.identity, fields);
    readBlocks(controller.session(), fields, io);
    const SaveOutcome saved = SaveParameterFile(fields, localBytes(path), replacedFiles(), before);
    if (!saved.keptAside.empty()) {
        const QString aside = argumentText(saved.keptAside);
        if (json) {
            sayJson(io, {{"file", jsonName(path)},
                         {"saved", false},
                         {"changedMeanwhile", true},
                         {"valuesKeptIn", jsonName(aside)}});
        } else {
            say(io, io.out,
                QStringLiteral("Not saved: %1 changed while the controller was read (another run "
                               "saved it?) and is left as it is")
                    .arg(shownName(path)));
            say(io, io.out,
                QStringLiteral("This run's values are kept in %1").arg(shownName(aside)));
        }
        return Outcome::KeptAside;
    }
    const std::string& copy = saved.replacedCopy;
    if (json) {
        QJsonObject result{{"file", jsonName(path)}, {"saved", true}};
        if (!copy.empty()) {
            result.insert(QStringLiteral("replacedKeptIn"), jsonName(argumentText(copy)));
        }
        sayJson(io, result);
    } else {
        say(io, io.out, QStringLiteral("Saved %1").arg(shownName(path)));
        if (!copy.empty()) {
            say(io, io.out,
                QStringLiteral("What it held is kept in %1").arg(shownName(argumentText(copy))));
        }
    }
    return Outcome::Success;
}

// read: the four blocks into a parameter file, one file a port.
class ReadCommand : public CliCommand {
public:
    void describe(QCommandLineParser& parser) const override {
        parser.setApplicationDescription("Read the four blocks into a parameter file (.el).");
        m_line.addTo(parser);
        parser.addOptions({jsonOption(), m_output});
    }

    void take(const QCommandLineParser& parser, CommandRequest& request) const override {
        if (!parser.isSet(m_output)) {
            throw SessionError(Outcome::InvalidInput, "Name the file to write with -o FILE.el.");
        }
        m_line.take(parser, request);
        request.output = parser.value(m_output);
    }

    Outcome run(const CommandRequest& request, const RunGuard& guard,
                const CommandStreams& io) const override {
        return runPortCommand(request, guard, io, [&](PortPlan& plan) -> PortWork {
            plan.ports = portsToServe(request);
            refuseSharedFiles(request.output, plan.ports);
            // Each file a session is to save, checked before any controller is read for it.
            refuseUnsaveable(request.output, plan.ports);
            plan.budget = descriptorBudget(static_cast<std::size_t>(plan.ports.size()), 0);
            return [&request, &plan](ConnectedController& controller, std::size_t i,
                                     const CommandStreams& streams) {
                const QString& port = plan.ports[static_cast<qsizetype>(i)];
                return read(controller, filePerPort(request.output, port, plan.ports), request.json,
                            streams);
            };
        });
    }

private:
    LineOptions m_line;
    QCommandLineOption m_output{{"o", "output"}, "The parameter file to write.", "FILE"};
};

} // namespace

std::shared_ptr<CliCommand> makeReadCommand() {
    return std::make_shared<ReadCommand>();
}

} // namespace morvent
