// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#include "CommandLine.h"

#include "CliCommand.h"
#include "CommandOutput.h"
#include "ProjectInfo.h"
#include "RunGuard.h"

#include <QCommandLineParser>
#include <QRegularExpression>

#include <cerrno>

namespace morvent {

namespace {

QString usage() {
    QString text = QStringLiteral("Usage: morvent-cli COMMAND [options]\nCommands:\n");
    for (const CommandEntry& entry : commandTable()) {
        text += QStringLiteral("  ") + utf8Text(entry.name).leftJustified(8) +
                utf8Text(entry.summary) + '\n';
    }
    return text + QStringLiteral(
                      "Run morvent-cli COMMAND --help for a command's options.\n"
                      "Output is always in English, whatever the language, for scripts to read.\n");
}

// Help and the version are the output of their run: lost, they end it with exit 1.
Outcome answer(const CommandStreams& io, const QString& text) {
    if (print(io.out, text)) {
        return Outcome::Success;
    }
    print(io.err, QStringLiteral("morvent-cli: ") + OutputError(errno).what());
    return Outcome::Failure;
}

std::shared_ptr<CliCommand> commandNamed(const QString& name) {
    for (const CommandEntry& entry : commandTable()) {
        if (name == utf8Text(entry.name)) {
            return entry.make();
        }
    }
    return nullptr;
}

} // namespace

std::variant<Outcome, CommandRequest> parseCommandLine(const QStringList& arguments,
                                                       const CommandStreams& io) {
    if (arguments.isEmpty()) {
        print(io.err, usage() + exitCodes());
        return Outcome::InvalidInput;
    }
    if (arguments[0] == "--help" || arguments[0] == "-h") {
        return answer(io, usage() + exitCodes());
    }
    if (arguments[0] == "--version") {
        return answer(io, QStringLiteral("morvent-cli %1\n%2")
                              .arg(QStringLiteral(PROJECT_VERSION),
                                   QString::fromUtf8(kLicenceNotice).trimmed()));
    }

    CommandRequest request;
    request.name = arguments[0];
    request.command = commandNamed(request.name);
    if (!request.command) {
        print(io.err,
              QStringLiteral("morvent-cli: unknown command '%1'\n").arg(request.name) + usage());
        return Outcome::InvalidInput;
    }
    const CliCommand& command = *request.command;
    QCommandLineParser parser;
    const QCommandLineOption help{{"h", "help"}, "Show this help."};
    parser.addOption(help);
    command.describe(parser);

    QStringList withName = arguments;
    withName[0] = QStringLiteral("morvent-cli ") + request.name;
    if (!parser.parse(withName)) {
        print(io.err, QStringLiteral("morvent-cli %1: %2").arg(request.name, parser.errorText()));
        return Outcome::InvalidInput;
    }
    if (parser.isSet(help)) {
        QString text = parser.helpText();
        text.replace(QRegularExpression(QStringLiteral("^Usage: \\S+")),
                     QStringLiteral("Usage: morvent-cli ") + request.name);
        return answer(io, text + '\n' + command.exitCodesHelp());
    }
    if (!command.takesArguments() && !parser.positionalArguments().isEmpty()) {
        print(io.err, QStringLiteral("morvent-cli %1: unexpected '%2'")
                          .arg(request.name, parser.positionalArguments().first()));
        return Outcome::InvalidInput;
    }

    // Only the commands that know --json have it; asking the parser for it elsewhere warns.
    request.json = parser.optionNames().contains(QStringLiteral("json"));
    request.files = parser.positionalArguments();
    const Outcome taken = RunGuard(request.name, request.json)(io, [&] {
        command.take(parser, request);
        return Outcome::Success;
    });
    if (taken != Outcome::Success) {
        return taken;
    }
    return request;
}

} // namespace morvent
