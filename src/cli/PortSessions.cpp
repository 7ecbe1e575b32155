// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#include "PortSessions.h"

#include "ArgumentText.h"
#include "CommandOutput.h"
#include "ConnectedController.h"
#include "PortList.h"
#include "PortsApart.h"
#include "ProbeRateMemory.h"
#include "RunGuard.h"
#include "SignalUndo.h"
#include "StandardStreams.h"
#include "SystemNames.h"

#include <QEventLoop>
#include <QScopeGuard>

#include <algorithm>
#include <atomic>
#include <optional>
#include <thread>
#include <utility>
#include <vector>

namespace morvent {

namespace {

// How far a run over several ports has come, for the summary a signal that ends it prints.
struct RunTally {
    std::atomic<std::size_t> done{0};
    std::atomic<std::size_t> succeeded{0};
    std::size_t total = 0;
    int descriptor = -1;
};

char* put(char* at, const char* text) {
    while (*text != '\0') {
        *at++ = *text++;
    }
    return at;
}

char* put(char* at, std::size_t number) {
    char digits[24];
    int count = 0;
    do {
        digits[count++] = static_cast<char>('0' + number % 10);
        number /= 10;
    } while (number > 0);
    while (count > 0) {
        *at++ = digits[--count];
    }
    return at;
}

// A run ended by a signal still says how many controllers it served, as its end would have, and
// how many were cut short: their files are not saved. One write, no allocation, no lock.
void sayTallyOnSignal(const void* data) {
    const auto& tally = *static_cast<const RunTally*>(data);
    const std::size_t done = tally.done.load();
    char line[160];
    char* end = put(line, "Ended by a signal: ");
    end = put(end, tally.succeeded.load());
    end = put(end, " of ");
    end = put(end, tally.total);
    end = put(end, " controllers succeeded; ");
    end = put(end, tally.total - std::min(done, tally.total));
    end = put(end, " had not finished.\n");
    writeAtOnce(tally.descriptor, line, static_cast<std::size_t>(end - line));
}

// One session a port, each in a thread of its own with its own event loop, so a slow or failing
// controller holds up nobody else. std::thread rather than QThread, so that ThreadSanitizer
// judges the sessions too.
using ResultKnown = std::function<void(Outcome)>;

Outcome runAtOnce(
    const PortPlan& plan, const CommandStreams& io,
    const std::function<Outcome(std::size_t, const CommandStreams&, const ResultKnown&)>& runOn) {
    const std::size_t total = static_cast<std::size_t>(plan.ports.size());
    std::vector<Outcome> outcomes(total, Outcome::Failure);
    std::vector<CommandStreams> streams(total, io);
    std::vector<std::thread> sessions;
    SessionSlots turns(plan.budget.atOnce);
    RunTally tally;
    tally.total = total;
    tally.descriptor = streamDescriptor(io.err);
    const SignalUndo sayTally(sayTallyOnSignal, &tally);
    if (plan.budget.atOnce < total) {
        print(io.err, QStringLiteral("Serving %1 ports %2 at a time: the limit of %3 open files "
                                     "(ulimit -n) allows no more.")
                          .arg(total)
                          .arg(plan.budget.atOnce)
                          .arg(plan.budget.limit));
    }
    for (std::size_t i = 0; i < total; ++i) {
        streams[i].port = plan.ports[static_cast<qsizetype>(i)];
        sessions.emplace_back([&, i] {
            const SessionSlots::Slot turn(turns);
            // Gives the thread its event dispatcher before the port's notifier needs one.
            { QEventLoop dispatcher; }
            bool counted = false;
            const auto count = [&](Outcome outcome) {
                if (!std::exchange(counted, true)) {
                    tally.succeeded += outcome == Outcome::Success;
                    ++tally.done;
                }
            };
            outcomes[i] = runOn(i, streams[i], count);
            count(outcomes[i]);
        });
    }
    for (std::thread& session : sessions) {
        session.join();
    }
    std::size_t succeeded = 0;
    Outcome worst = Outcome::Success;
    for (const Outcome outcome : outcomes) {
        succeeded += outcome == Outcome::Success;
        worst = worseOf(worst, outcome);
    }
    print(io.err,
          QStringLiteral("%1 of %2 controllers succeeded.").arg(succeeded).arg(outcomes.size()));
    return worst;
}

} // namespace

QStringList portsToServe(const CommandRequest& request) {
    QStringList ports;
    if (request.simulate) {
        ports << QString();
        return ports;
    }
    for (const QString& port : request.ports) {
        if (port != QStringLiteral("all")) {
            ports << port;
            continue;
        }
        const std::vector<PortEntry> found = systemSerialPorts();
        if (found.empty()) {
            throw SessionError(Outcome::PortUnavailable, "-p all found no serial port to use.");
        }
        for (const PortEntry& entry : found) {
            ports << entry.name;
        }
    }
    ports.removeDuplicates();
    if (ports.isEmpty() || ports.contains(QString())) {
        throw SessionError(Outcome::InvalidInput, "Name the port with -p PORT, or use --simulate.");
    }
    if (ports.size() > 1) {
        refuseOneDeviceTwice(ports);
    }
    return ports;
}

QString filePerPort(const QString& path, const QString& port, const QStringList& ports) {
    if (ports.size() < 2) {
        return path;
    }
    const qsizetype name = nameStartOf(path);
    const qsizetype dot = path.lastIndexOf('.');
    const qsizetype at = dot > name ? dot : path.size();
    return path.left(at) + '-' + portInFileName(port) + path.mid(at);
}

void refuseSharedFiles(const QString& named, const QStringList& ports) {
    if (ports.size() < 2 || named.isEmpty()) {
        return;
    }
    QStringList files;
    for (const QString& port : ports) {
        files << filePerPort(named, port, ports);
    }
    refuseSharedFiles(ports, files);
}

Outcome runOnEachPort(const PortPlan& plan, std::chrono::milliseconds timeout,
                      const RunGuard& guard, const CommandStreams& io, const PortWork& work) {
    ProbeRateMemory rates;
    std::vector<std::optional<std::uint32_t>> firstRates;
    for (const QString& port : plan.ports) {
        firstRates.push_back(port.isEmpty() ? std::nullopt
                                            : rates.rateOf(TComm::devicePath(localBytes(port))));
    }
    std::vector<std::uint32_t> answered(static_cast<std::size_t>(plan.ports.size()), 0);
    const auto runOn = [&](std::size_t i, const CommandStreams& streams, const ResultKnown& known) {
        return guard(streams, [&] {
            const QString& port = plan.ports[static_cast<qsizetype>(i)];
            ConnectedController controller(localBytes(port), timeout, firstRates[i], streams);
            answered[i] = controller.session().answeredRate();
            // A controller that floods the line costs nothing but the bytes dropped; said when
            // the session ends, whichever way.
            const auto sayDropped = qScopeGuard([&] {
                if (const std::uint64_t dropped = controller.session().droppedBytes()) {
                    say(streams, streams.err,
                        QStringLiteral("%1 bytes the controller sent beyond its replies were "
                                       "dropped.")
                            .arg(dropped));
                }
            });
            const Outcome outcome = work(controller, i, streams);
            // Counted the moment it is known: a signal while the port is let go finds this
            // controller finished, its result already shown.
            if (known) {
                known(outcome);
            }
            return outcome;
        });
    };
    const Outcome worst =
        plan.ports.size() == 1 ? runOn(0, io, ResultKnown()) : runAtOnce(plan, io, runOn);
    for (std::size_t i = 0; i < answered.size(); ++i) {
        if (const QString& port = plan.ports[static_cast<qsizetype>(i)]; !port.isEmpty()) {
            rates.remember(TComm::devicePath(localBytes(port)), answered[i]);
        }
    }
    rates.save();
    return worst;
}

Outcome runPortCommand(const CommandRequest& request, const RunGuard& guard,
                       const CommandStreams& io,
                       const std::function<PortWork(PortPlan&)>& prepare) {
    PortPlan plan;
    PortWork work;
    const Outcome checked = guard(io, [&] {
        work = prepare(plan);
        return Outcome::Success;
    });
    if (checked != Outcome::Success) {
        return checked;
    }
    return runOnEachPort(plan, request.timeout, guard, io, work);
}

} // namespace morvent
