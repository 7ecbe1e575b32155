// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#include "CliCommand.h"

#include "ControllerSession.h"
#include "SystemNames.h"

#include <array>

namespace morvent {

std::span<const CommandEntry> commandTable() {
    static const std::array<CommandEntry, 7> table{{
        {"ports", "list the serial ports", makePortsCommand},
        {"info", "identify the controller", makeInfoCommand},
        {"read", "read the four parameter blocks into a parameter file", makeReadCommand},
        {"write", "write a parameter file's values to the controller", makeWriteCommand},
        {"watch", "show the torque sensor's live readings", makeWatchCommand},
        {"report", "read the four blocks into a report for the customer (PDF, HTML)",
         makeReportCommand},
        {"diff", "list the parameters whose values differ between two files", makeDiffCommand},
    }};
    return table;
}

QString exitCodes() {
    QStringList codes;
    for (const auto& [outcome, meaning] : kOutcomeMeanings) {
        codes << QString::number(static_cast<int>(outcome)) + ' ' +
                     QString::fromUtf8(meaning.data(), static_cast<qsizetype>(meaning.size()));
    }
    return QStringLiteral("Exit codes: ") + codes.join(QStringLiteral("; ")) + '.';
}

QString CliCommand::exitCodesHelp() const {
    return exitCodes();
}

QCommandLineOption withDefault(const QString& name, const QString& help, const QString& value,
                               int byDefault) {
    return {name, help.arg(byDefault), value, QString::number(byDefault)};
}

QCommandLineOption jsonOption() {
    return {QStringLiteral("json"), QStringLiteral("Print the result as JSON.")};
}

LineOptions::LineOptions()
    : port({"p", "port"}, portOptionHelp(), "PORT"),
      simulate("simulate", "Use the built-in simulated controller instead of a port."),
      timeout(withDefault("timeout", "How long to wait for each reply (default %1).", "MS",
                          kDefaultTimeoutMs)) {}

void LineOptions::addTo(QCommandLineParser& parser) const {
    parser.addOptions({port, simulate, timeout});
}

void LineOptions::take(const QCommandLineParser& parser, CommandRequest& request) const {
    bool ok = false;
    request.timeout = std::chrono::milliseconds(parser.value(timeout).toInt(&ok));
    if (!ok || request.timeout.count() <= 0) {
        throw SessionError(Outcome::InvalidInput, "--timeout takes a number of milliseconds.");
    }
    request.simulate = parser.isSet(simulate);
    request.ports = parser.values(port);
}

} // namespace morvent
