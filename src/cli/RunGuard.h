// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#pragma once

#include "Commands.h"

#include <QString>

#include <functional>

namespace morvent {

// Runs a step of a command and turns whatever ends it early into its exit code and message:
// "morvent-cli COMMAND: message" on stderr, or with --json an error object in the output.
class RunGuard {
public:
    RunGuard(QString command, bool json) : m_command(std::move(command)), m_json(json) {}

    Outcome operator()(const CommandStreams& streams, const std::function<Outcome()>& step) const;

private:
    Outcome fail(const CommandStreams& streams, Outcome outcome, const QString& message) const;

    QString m_command;
    bool m_json;
};

} // namespace morvent
