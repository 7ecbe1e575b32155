// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#include "ArgumentText.h"
#include "CliCommand.h"
#include "CommandOutput.h"
#include "ConnectedController.h"
#include "FileIo.h"
#include "IdentityReply.h"
#include "ParameterFile.h"
#include "ParameterModel.h"
#include "PortSessions.h"
#include "Report.h"
#include "RunGuard.h"
#include "SaveTargets.h"
#include "ShopDetails.h"
#include "ShownText.h"

#include <QSettings>

#include <algorithm>

namespace morvent {

namespace {

// A report replaces only a report: a file there (or where a link there leads) that holds
// something else, a parameter file above all, is refused before anything is read for it. A
// report is known by its kind, a PDF for FILE.pdf, an HTML page for FILE.html; an empty file
// loses nothing.
std::string reportReplaceProblem(const std::string& path) {
    constexpr std::size_t kReportLimit = std::size_t{64} << 20;
    ReadRefusal why = ReadRefusal::Unreadable;
    const std::optional<std::string> held = readFile(path, kReportLimit, &why);
    if (!held && why == ReadRefusal::TooLarge) {
        return "it holds more than a report would, and a report replaces only an earlier report";
    }
    if (!held || held->empty()) {
        return {};
    }
    std::string_view start(*held);
    if (start.starts_with("\xEF\xBB\xBF")) {
        start.remove_prefix(3);
    }
    start.remove_prefix(std::min(start.find_first_not_of(" \t\r\n\f"), start.size()));
    const QString head = QString::fromLatin1(start.substr(0, 16)).toLower();
    const bool pdf = head.startsWith(QStringLiteral("%pdf-"));
    const bool html = head.startsWith(QStringLiteral("<html")) ||
                      head.startsWith(QStringLiteral("<!doctype html"));
    if (QString::fromStdString(path).endsWith(QStringLiteral(".pdf")) ? pdf : html) {
        return {};
    }
    const ParameterFileContent asParameters = [&] {
        try {
            return readParameterFile(path);
        } catch (const ParameterFileError&) {
            return ParameterFileContent();
        }
    }();
    const bool parameterFile = !asParameters.values.empty();
    return std::string(parameterFile ? "it is a parameter file"
                                     : "it holds something other than a report") +
           ", and a report replaces only an earlier report; name another file";
}

// Reads the four blocks as read does and saves what they hold as a report, with the note.
Outcome report(ConnectedController& controller, const QString& path, const QString& note,
               const ShopDetails& shop, const CommandStreams& io) {
    ParameterModel fields;
    applyIdentity(controller.identity, fields);
    readBlocks(controller.session(), fields, io);
    ReportContent content = reportOf(fields, nullptr, localBytes(note));
    addShopDetails(content, shop);
    // Checked again: another program may have put something there while the blocks were read.
    if (const std::string problem = reportReplaceProblem(localBytes(path)); !problem.empty()) {
        throw SessionError(Outcome::InvalidInput, "Unable to write to " +
                                                      localBytes(shownName(path)) + ": " + problem +
                                                      ". The report was not saved.");
    }
    saveReport(content, localBytes(path));
    say(io, io.out, QStringLiteral("Saved the report %1").arg(shownName(path)));
    return Outcome::Success;
}

// report: the four blocks into a report for the customer, headed by the shop's details.
class ReportCommand : public CliCommand {
public:
    void describe(QCommandLineParser& parser) const override {
        parser.setApplicationDescription(
            "Read the four blocks and write a report of the controller's identity and every "
            "parameter, grouped as the pages show them, for the customer or the shop's records.");
        m_line.addTo(parser);
        parser.addOptions({m_output, m_note, m_shop});
    }

    void take(const QCommandLineParser& parser, CommandRequest& request) const override {
        if (!parser.isSet(m_output)) {
            throw SessionError(Outcome::InvalidInput,
                               "Name the report to write with -o FILE.pdf or -o FILE.html.");
        }
        m_line.take(parser, request);
        request.output = parser.value(m_output);
        request.note = noteText(parser.value(m_note));
        if (parser.isSet(m_shop)) {
            request.shop = parser.value(m_shop);
        }
    }

    Outcome run(const CommandRequest& request, const RunGuard& guard,
                const CommandStreams& io) const override {
        return runPortCommand(request, guard, io, [&](PortPlan& plan) -> PortWork {
            plan.ports = portsToServe(request);
            // Each report a session is to save, checked before any controller is read for it.
            refuseUnsaveable(request.output, plan.ports, [](const std::string& target) {
                const std::string problem = reportTargetProblem(target);
                return problem.empty() ? reportReplaceProblem(target) : problem;
            });
            plan.budget = descriptorBudget(static_cast<std::size_t>(plan.ports.size()), 0);
            const ShopDetails shop =
                request.shop ? readShopDetails(QSettings(*request.shop, QSettings::IniFormat))
                             : readShopDetails(
                                   QSettings(QStringLiteral("morvent"), QStringLiteral("morvent")));
            return [&request, &plan, shop](ConnectedController& controller, std::size_t i,
                                           const CommandStreams& streams) {
                const QString& port = plan.ports[static_cast<qsizetype>(i)];
                return report(controller, filePerPort(request.output, port, plan.ports),
                              request.note, shop, streams);
            };
        });
    }

private:
    LineOptions m_line;
    QCommandLineOption m_output{{"o", "output"},
                                "The report to write: FILE.pdf, or FILE.html for the same as HTML.",
                                "FILE"};
    QCommandLineOption m_note{"note", "A line for the bike or the customer, printed on the report.",
                              "TEXT"};
    QCommandLineOption m_shop{"shop",
                              "A settings file whose report/ keys (shopName, shopAddress, "
                              "shopPhone, shopEmail, shopLogo, technician) head the report, in "
                              "place of those set in the window's Report Settings.",
                              "FILE"};
};

} // namespace

std::shared_ptr<CliCommand> makeReportCommand() {
    return std::make_shared<ReportCommand>();
}

} // namespace morvent
