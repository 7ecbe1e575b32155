// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#pragma once

#include <QString>
#include <QStringList>

#include <chrono>
#include <memory>
#include <optional>

namespace morvent {

class CliCommand;

constexpr int kDefaultTimeoutMs = 1000;
constexpr int kDefaultIntervalMs = 500;

// What a command line asks for, taken apart and checked once before anything runs. Each command
// fills the fields of its own options; the others keep their defaults.
struct CommandRequest {
    QString name;                        // the command's, as its messages give it
    std::shared_ptr<CliCommand> command; // the command to run, from the table of commands
    bool json = false;                   // --json, for the commands that have it
    QStringList files;                   // diff's two files

    // The commands that talk to a controller.
    bool simulate = false;
    QStringList ports; // as named with -p, "all" still to be looked up
    std::chrono::milliseconds timeout{kDefaultTimeoutMs};

    QString output;     // read's parameter file, report's report (-o)
    QString input;      // write's parameter file (-i)
    bool verify = true; // write, unless --no-verify
    int intervalMs = kDefaultIntervalMs;
    int count = 0;               // watch's readings; 0: until interrupted
    std::optional<QString> csv;  // watch's CSV file
    QString note;                // report's note, as noteText shows it
    std::optional<QString> shop; // report's settings file; none: the window's own settings
};

} // namespace morvent
