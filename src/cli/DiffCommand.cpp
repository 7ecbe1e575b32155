// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#include "DiffCommand.h"

#include "ArgumentText.h"
#include "CliCommand.h"
#include "CommandOutput.h"
#include "FieldStore.h"
#include "ParameterFile.h"
#include "ParameterTable.h"
#include "RunGuard.h"
#include "ShownParameters.h"

#include <cerrno>
#include <cstring>

namespace morvent {

namespace {

// What a file gives each control, by control name, as the pages would show it after a load.
std::map<std::string, std::string, std::less<>> shownIn(const std::string& path) {
    FieldStore lists;
    fillParameterCombos(lists);
    const ParameterFileContent content = readParameterFile(path, &lists);
    FieldStore fields = lists;
    applyParameterFile(content, fields);
    const std::vector<Parameter>& rows = parameterTable();
    std::map<std::string, std::string, std::less<>> shown;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        std::string value = shownValue(fields, rows[i].control);
        if (rows[i].kind == ParameterKind::SelectedIndex && value.empty()) {
            value = "(no item: " + std::to_string(content.values[i]) + ")";
        }
        shown[rows[i].control] = value;
    }
    using Kind = ParameterFileProblem::Kind;
    for (const ParameterFileProblem& problem : content.problems) {
        std::string& value = shown[rows[problem.row].control];
        if (problem.kind == Kind::MissingSection || problem.kind == Kind::MissingKey) {
            value = "(missing)";
        } else if (problem.kind == Kind::NotANumber) {
            value = problem.value + " (not a whole number)";
        }
    }
    return shown;
}

QString text(const std::string& s) {
    return QString::fromStdString(s);
}

} // namespace

std::vector<FileDifference> differingParameters(const std::string& a, const std::string& b) {
    const auto first = shownIn(a);
    const auto second = shownIn(b);
    std::vector<FileDifference> differences;
    for (const ShownParameter& parameter : shownParameters()) {
        const std::string& valueA = first.at(parameter.control);
        const std::string& valueB = second.at(parameter.control);
        if (valueA != valueB) {
            differences.push_back({std::string(blockTitle(parameter.block)), parameter.full,
                                   parameter.unit, morvent::parameter(parameter.control)->key,
                                   valueA, valueB});
        }
    }
    return differences;
}

QString differenceLine(const FileDifference& d) {
    return QStringLiteral("%1: %2: %3 -> %4%5")
        .arg(text(d.page), text(d.label), text(d.a), text(d.b),
             d.unit.empty() ? QString() : QStringLiteral(" (%1)").arg(text(d.unit)));
}

SessionError diffOutputError(int error) {
    return SessionError(Outcome::InvalidInput,
                        std::string("Unable to write to the standard output: ") +
                            std::strerror(error) + ".");
}

QJsonObject differenceJson(const FileDifference& d) {
    return {{"page", text(d.page)}, {"label", text(d.label)}, {"unit", text(d.unit)},
            {"key", text(d.key)},   {"a", text(d.a)},         {"b", text(d.b)}};
}

namespace {

// diff: every difference of two parameter files, as diff lists the lines of two texts: 0 when
// there is none, 1 when there are some, 2 for a file that is refused (thrown).
class DiffCommand : public CliCommand {
public:
    void describe(QCommandLineParser& parser) const override {
        parser.setApplicationDescription(
            "Compare two parameter files: every parameter whose value differs, page by page, "
            "with its label, unit and both values.");
        parser.addPositionalArgument("A.el", "The first file.");
        parser.addPositionalArgument("B.el", "The second file.");
        parser.addOption(jsonOption());
    }

    bool takesArguments() const override { return true; }

    QString exitCodesHelp() const override {
        return QStringLiteral("Exit codes: 0 no differences; 1 some differ; 2 a file refused or "
                              "invalid arguments.");
    }

    void take(const QCommandLineParser&, CommandRequest& request) const override {
        if (request.files.size() != 2) {
            throw SessionError(Outcome::InvalidInput, "Name the two files to compare: A.el B.el.");
        }
    }

    Outcome run(const CommandRequest& request, const RunGuard& guard,
                const CommandStreams& io) const override {
        return guard(io, [&] {
            const std::vector<FileDifference> differences =
                differingParameters(localBytes(request.files[0]), localBytes(request.files[1]));
            for (const FileDifference& difference : differences) {
                if (!print(io.out, request.json ? jsonText(differenceJson(difference))
                                                : differenceLine(difference))) {
                    // Exit 1 says "some differ": a list that did not get out is trouble, as for
                    // diff.
                    throw diffOutputError(errno);
                }
            }
            return differences.empty() ? Outcome::Success : Outcome::Failure;
        });
    }
};

} // namespace

std::shared_ptr<CliCommand> makeDiffCommand() {
    return std::make_shared<DiffCommand>();
}

} // namespace morvent
