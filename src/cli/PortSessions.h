// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#pragma once

#include "CommandRequest.h"
#include "Commands.h"
#include "SessionSlots.h"

#include <QStringList>

#include <cstddef>
#include <functional>

namespace morvent {

class ConnectedController;
class RunGuard;

// The ports a run serves and how many of their sessions may run at once, settled before any
// port is opened.
struct PortPlan {
    QStringList ports; // an empty name: the simulated controller
    DescriptorBudget budget;
};

// The ports the request names: the simulated controller, the ports named with -p, every serial
// port for "-p all"; one device under two names is refused.
QStringList portsToServe(const CommandRequest& request);

// With several ports, each port's file of a kind: "set.el" for ttyUSB0 becomes
// "set-ttyUSB0.el". With one port, the file as named.
QString filePerPort(const QString& path, const QString& port, const QStringList& ports);

// Refuses, with several ports, per-port files of `named` that would be one file.
void refuseSharedFiles(const QString& named, const QStringList& ports);

// What a command does on a port once its controller is connected; `index` is the port's place
// in the plan.
using PortWork = std::function<Outcome(ConnectedController& controller, std::size_t index,
                                       const CommandStreams& streams)>;

// Runs `work` on every port of the plan, one session a port, each in a thread of its own when
// there are several, and ends with the worst of their outcomes. The baud rate each controller
// answered at is remembered for the next run's probe.
Outcome runOnEachPort(const PortPlan& plan, std::chrono::milliseconds timeout,
                      const RunGuard& guard, const CommandStreams& io, const PortWork& work);

// Runs a command that talks to controllers: `prepare` checks everything before anything goes on
// any line (the arguments, the file whole, the ports named, the files to save and open), settles
// the plan and gives the work for each port.
Outcome runPortCommand(const CommandRequest& request, const RunGuard& guard,
                       const CommandStreams& io, const std::function<PortWork(PortPlan&)>& prepare);

} // namespace morvent
