// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#include "ArgumentText.h"
#include "BlockCodec.h"
#include "CliCommand.h"
#include "CommandOutput.h"
#include "ConnectedController.h"
#include "IdentityReply.h"
#include "NumberConversion.h"
#include "ParameterFile.h"
#include "ParameterModel.h"
#include "ParameterTable.h"
#include "PortSessions.h"
#include "RunGuard.h"
#include "SaveTargets.h"
#include "ShownParameters.h"
#include "ShownText.h"
#include "StatusTable.h"
#include "WriteChecks.h"

#include <QJsonArray>

namespace morvent {

namespace {

// What the controller holds differently from what was written: one line per field.
QStringList differences(const Fields& wanted, const Fields& held) {
    QStringList lines;
    for (const Block block : kAllBlocks) {
        const Bytes a = buildPayload(block, wanted);
        const Bytes b = buildPayload(block, held);
        const FieldLayout* last = nullptr;
        for (std::size_t i = 0; i < a.size(); ++i) {
            const FieldLayout* field = fieldAtByte(block, i);
            if (a[i] == b[i] || field == last) {
                continue;
            }
            last = field;
            const auto value = [&](const Fields& f) {
                return field->encoding == Encoding::ComboIndex
                           ? QString::number(f.selectedIndex(field->control))
                           : controllerText(f.text(field->control));
            };
            lines << QStringLiteral("%1 %2 (%3): file %4, controller %5")
                         .arg(utf8Text(layout(block).title), QString::fromStdString(field->control),
                              QString::fromStdString(field->name), value(wanted), value(held));
        }
    }
    return lines;
}

// A refused value's line names its page and field as the window shows them and the field's key
// in parameter files, so that a run over a whole file says which value to mend; the message is
// the one the window shows, the control's name follows it.
std::string fieldLine(const Parameter& field, const std::string& message) {
    std::string label = shownLabel(field);
    label.erase(label.find_last_not_of(": ") + 1);
    return std::string(field.section()) + " page, field " + label + " (key " + field.key +
           "): " + message;
}

std::string refusalLine(const Refusal& refusal, const std::string& message) {
    const Parameter* field = parameter(refusal.control);
    return field == nullptr ? message : fieldLine(*field, message);
}

// A file's problems, one line each as describeProblems gives them, a value the file gives
// that cannot be sent with its page and field.
std::vector<std::string> problemLines(const std::vector<ParameterFileProblem>& problems) {
    std::vector<std::string> lines;
    for (const ParameterFileProblem& problem : problems) {
        using enum ParameterFileProblem::Kind;
        if (problem.kind == NotANumber || problem.kind == OutsideList) {
            lines.push_back(fieldLine(parameterTable()[problem.row], describe(problem)));
        } else {
            // A whole section missing is one line, not one a key.
            const std::vector<std::string> line = describeProblems({problem});
            if (lines.empty() || line != std::vector{lines.back()}) {
                lines.insert(lines.end(), line.begin(), line.end());
            }
        }
    }
    return lines;
}

// The file whole, read before anything goes on any line: a file with any problem sends nothing.
ParameterFileContent fileToWrite(const QString& path) {
    const ParameterModel lists;
    const ReplacedFiles copies = replacedFiles();
    ParameterFileContent file = readParameterFile(localBytes(path), &lists, &copies);
    if (!file.problems.empty()) {
        std::string message =
            "Nothing was sent: " + localBytes(path) + " is not a complete, valid parameter file:";
        for (const std::string& line : problemLines(file.problems)) {
            message += "\n  " + line;
        }
        throw SessionError(Outcome::InvalidInput, message);
    }
    return file;
}

// The block a write stopped at, with the field the controller refused or the status it gave.
SessionError notAccepted(const std::optional<Refusal>& refused,
                         std::span<const std::uint8_t> acknowledgement) {
    if (refused) {
        return SessionError(
            Outcome::FieldRefused,
            refusalLine(*refused, refused->message + " (" + refused->control + ")"));
    }
    const Block block = blockForCode(acknowledgement[0]).value_or(Block::Basic);
    return SessionError(Outcome::FieldRefused,
                        "The controller answered the " + std::string(layout(block).title) +
                            " block with the unknown status " + std::to_string(acknowledgement[1]));
}

Outcome write(ConnectedController& controller, const QString& path,
              const ParameterFileContent& file, bool verify, bool json, const CommandStreams& io) {
    ParameterModel fields;
    const int maxCurrent = applyIdentity(controller.identity, fields);
    applyParameterFile(file, fields);
    for (const auto& check :
         {checkWriteFlash(fields, maxCurrent), checkFieldWidthsForFlash(fields)}) {
        if (check) {
            throw SessionError(Outcome::InvalidInput, refusalLine(*check, check->message));
        }
    }
    RequestCycle cycle;
    RunPages pages(controller.session(), fields, io);
    // A write that ends half way says how far it came, whatever ended it.
    const auto sayWritten = [&](const SessionError& error) {
        QStringList written;
        for (const Block block : pages.written) {
            written << utf8Text(layout(block).title);
        }
        return SessionError(error.outcome(),
                            error.what() + (written.isEmpty()
                                                ? std::string(" No block was written.")
                                                : " Blocks already written: " +
                                                      written.join(", ").toStdString() + "."));
    };
    try {
        controller.session().run(cycle, cycle.startWriteFlash(), pages);
    } catch (const SessionError& error) {
        throw sayWritten(error);
    }
    for (const Block block : pages.written) {
        fields.learn(block);
    }
    // The chain stops at the block the controller did not accept, still awaiting.
    if (cycle.PendingRequest() != NothingAwaited) {
        throw notAccepted(pages.refused, controller.session().lastReply());
    }
    QStringList differing;
    if (verify) {
        ParameterModel held;
        applyIdentity(controller.identity, held);
        try {
            readBlocks(controller.session(), held, io);
        } catch (const SessionError& error) {
            throw sayWritten(error);
        }
        differing = differences(fields, held);
    }
    if (json) {
        sayJson(io, {{"file", jsonName(path)},
                     {"written", true},
                     {"verified", verify},
                     {"differences", QJsonArray::fromStringList(differing)}});
    } else {
        say(io, io.out, QStringLiteral("Wrote %1").arg(shownName(path)));
        for (const QString& line : differing) {
            say(io, io.out, line);
        }
    }
    return differing.isEmpty() ? Outcome::Success : Outcome::FieldRefused;
}

// write: a parameter file's values with the checks and in the order of Write Flash, then read
// back unless --no-verify.
class WriteCommand : public CliCommand {
public:
    void describe(QCommandLineParser& parser) const override {
        parser.setApplicationDescription(
            "Write a parameter file's values with the checks and in the order of Write Flash, "
            "then read them back and report every value the controller holds differently.");
        m_line.addTo(parser);
        parser.addOptions({jsonOption(), m_input, m_noVerify});
    }

    void take(const QCommandLineParser& parser, CommandRequest& request) const override {
        if (!parser.isSet(m_input)) {
            throw SessionError(Outcome::InvalidInput,
                               "Name the file to write from with -i FILE.el.");
        }
        m_line.take(parser, request);
        request.input = parser.value(m_input);
        request.verify = !parser.isSet(m_noVerify);
    }

    Outcome run(const CommandRequest& request, const RunGuard& guard,
                const CommandStreams& io) const override {
        ParameterFileContent file;
        return runPortCommand(request, guard, io, [&](PortPlan& plan) -> PortWork {
            file = fileToWrite(request.input);
            plan.ports = portsToServe(request);
            plan.budget = descriptorBudget(static_cast<std::size_t>(plan.ports.size()), 0);
            return [&request, &file](ConnectedController& controller, std::size_t,
                                     const CommandStreams& streams) {
                return write(controller, request.input, file, request.verify, request.json,
                             streams);
            };
        });
    }

private:
    LineOptions m_line;
    QCommandLineOption m_input{
        {"i", "input"}, "The parameter file to write to the controller.", "FILE"};
    QCommandLineOption m_noVerify{"no-verify", "Do not read the blocks back to compare them."};
};

} // namespace

std::shared_ptr<CliCommand> makeWriteCommand() {
    return std::make_shared<WriteCommand>();
}

} // namespace morvent
