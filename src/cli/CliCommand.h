// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#pragma once

#include "CommandRequest.h"
#include "Commands.h"

#include <QCommandLineOption>
#include <QCommandLineParser>

#include <memory>
#include <span>
#include <string_view>

namespace morvent {

class RunGuard;

// One subcommand of morvent-cli: its options, how they are checked, and how it runs.
class CliCommand {
public:
    virtual ~CliCommand() = default;

    // Gives the parser the command's description and options (--help is there already).
    virtual void describe(QCommandLineParser& parser) const = 0;
    // Whether arguments other than options belong to it (diff's two files).
    virtual bool takesArguments() const { return false; }
    // The line that ends its --help.
    virtual QString exitCodesHelp() const;
    // Takes its options from the parsed line into the request, refusing with SessionError what
    // cannot be run. Nothing has gone on any line yet.
    virtual void take(const QCommandLineParser& parser, CommandRequest& request) const = 0;
    virtual Outcome run(const CommandRequest& request, const RunGuard& guard,
                        const CommandStreams& io) const = 0;
};

// The table of commands, in the order the usage lists them.
struct CommandEntry {
    std::string_view name;
    std::string_view summary; // its line in the usage
    std::shared_ptr<CliCommand> (*make)();
};
std::span<const CommandEntry> commandTable();

std::shared_ptr<CliCommand> makePortsCommand();
std::shared_ptr<CliCommand> makeInfoCommand();
std::shared_ptr<CliCommand> makeReadCommand();
std::shared_ptr<CliCommand> makeWriteCommand();
std::shared_ptr<CliCommand> makeWatchCommand();
std::shared_ptr<CliCommand> makeReportCommand();
std::shared_ptr<CliCommand> makeDiffCommand();

// "Exit codes: 0 success; 1 ...; 5 ....", for the help texts.
QString exitCodes();

// A "--name MS" option whose help gives its default, "(default %1)".
QCommandLineOption withDefault(const QString& name, const QString& help, const QString& value,
                               int byDefault);

QCommandLineOption jsonOption();

// The options of every command that talks to a controller, in the order their help lists them.
struct LineOptions {
    QCommandLineOption port;
    QCommandLineOption simulate;
    QCommandLineOption timeout;

    LineOptions();
    void addTo(QCommandLineParser& parser) const;
    // A timeout that is not a number of milliseconds above 0 is refused.
    void take(const QCommandLineParser& parser, CommandRequest& request) const;
};

} // namespace morvent
