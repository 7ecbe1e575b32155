// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#include "ArgumentText.h"
#include "CliCommand.h"
#include "CommandOutput.h"
#include "ConnectedController.h"
#include "CsvFile.h"
#include "FieldStore.h"
#include "LiveReadingsReply.h"
#include "PortSessions.h"
#include "RunGuard.h"
#include "ShownText.h"
#include "SystemNames.h"

#include <QElapsedTimer>
#include <QThread>

#include <algorithm>
#include <optional>
#include <vector>

namespace morvent {

namespace {

Outcome watch(ConnectedController& controller, int intervalMs, int count, CsvFile* csv,
              const CommandStreams& io) {
    FieldStore fields;
    QElapsedTimer clock;
    clock.start();
    for (int n = 0; count <= 0 || n < count; ++n) {
        applyLiveReadings(controller.session().read(Command::LiveReadings), fields);
        const auto now = std::chrono::system_clock::now();
        const LiveReadingValues values = liveReadingsShown(fields);
        std::string line = localTimeText(now);
        for (std::size_t r = 0; r < kLiveReadingCount; ++r) {
            line += ' ' + std::string(kLiveReadings[r].name) + '=' + std::to_string(values[r]) +
                    std::string(kLiveReadings[r].unit);
        }
        say(io, io.out, QString::fromStdString(line));
        if (csv) {
            csv->write(liveReadingsCsvLine(now, values));
        }
        // Readings come at a steady interval, however long each exchange took.
        const qint64 next = static_cast<qint64>(n + 1) * intervalMs;
        if (count <= 0 || n + 1 < count) {
            QThread::msleep(
                static_cast<unsigned long>(std::max<qint64>(0, next - clock.elapsed())));
        }
    }
    return Outcome::Success;
}

// Each port's CSV file, opened before any port is: a FIFO or a device may take the readings as
// they come; a folder never does. None without --csv.
std::vector<std::shared_ptr<CsvFile>> csvFilesOf(const std::optional<QString>& named,
                                                 const QStringList& ports) {
    std::vector<std::shared_ptr<CsvFile>> files;
    for (const QString& port : ports) {
        if (!named) {
            files.push_back(nullptr);
            continue;
        }
        const QString file = filePerPort(*named, port, ports);
        if (specialFileKind(localBytes(file)) == "a folder") {
            throw SessionError(Outcome::InvalidInput, "Unable to write to " +
                                                          localBytes(shownName(file)) +
                                                          ": it is a folder.");
        }
        files.push_back(std::make_shared<CsvFile>(localBytes(file)));
    }
    return files;
}

// watch: the torque sensor's live readings, one line each, at a steady interval.
class WatchCommand : public CliCommand {
public:
    void describe(QCommandLineParser& parser) const override {
        parser.setApplicationDescription("Show the torque sensor's live readings, one line each.");
        m_line.addTo(parser);
        parser.addOptions({m_interval, m_count, m_csv});
    }

    void take(const QCommandLineParser& parser, CommandRequest& request) const override {
        m_line.take(parser, request);
        bool ok1 = false;
        bool ok2 = false;
        request.intervalMs = parser.value(m_interval).toInt(&ok1);
        request.count = parser.value(m_count).toInt(&ok2);
        if (!ok1 || !ok2 || request.intervalMs <= 0 || request.count < 0) {
            throw SessionError(Outcome::InvalidInput,
                               "--interval and --count take whole numbers above 0.");
        }
        if (parser.isSet(m_csv)) {
            request.csv = parser.value(m_csv);
        }
    }

    Outcome run(const CommandRequest& request, const RunGuard& guard,
                const CommandStreams& io) const override {
        return runPortCommand(request, guard, io, [&](PortPlan& plan) -> PortWork {
            plan.ports = portsToServe(request);
            refuseSharedFiles(request.csv.value_or(QString()), plan.ports);
            const auto sessions = static_cast<std::size_t>(plan.ports.size());
            plan.budget = descriptorBudget(sessions, request.csv ? sessions : 0);
            refuseNeverServed(request, plan);
            return
                [&request, files = csvFilesOf(request.csv, plan.ports)](
                    ConnectedController& controller, std::size_t i, const CommandStreams& streams) {
                    return watch(controller, request.intervalMs, request.count, files[i].get(),
                                 streams);
                };
        });
    }

private:
    // Sessions beyond what the limit serves at once wait for one to end, which a watch without
    // --count never does.
    static void refuseNeverServed(const CommandRequest& request, const PortPlan& plan) {
        if (request.count == 0 &&
            plan.budget.atOnce < static_cast<std::size_t>(plan.ports.size())) {
            throw SessionError(
                Outcome::InvalidInput,
                "The limit of " + std::to_string(plan.budget.limit) +
                    " open files (ulimit -n) serves " + std::to_string(plan.budget.atOnce) +
                    " of the " + std::to_string(plan.ports.size()) +
                    " ports at once, and watch without --count would never get to the others. "
                    "Give --count, name fewer ports, or raise the limit.");
        }
    }

    LineOptions m_line;
    QCommandLineOption m_interval =
        withDefault("interval", "Time between readings (default %1).", "MS", kDefaultIntervalMs);
    QCommandLineOption m_count{"count", "Stop after N readings (default: until interrupted).", "N",
                               "0"};
    QCommandLineOption m_csv{"csv", "Also record the readings to a CSV file.", "FILE"};
};

} // namespace

std::shared_ptr<CliCommand> makeWatchCommand() {
    return std::make_shared<WatchCommand>();
}

} // namespace morvent
