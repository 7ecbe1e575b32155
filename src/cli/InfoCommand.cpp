// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#include "CliCommand.h"
#include "CommandOutput.h"
#include "ConnectedController.h"
#include "FieldStore.h"
#include "IdentityReply.h"
#include "Latin1.h"
#include "ParameterTable.h"
#include "PortSessions.h"
#include "RunGuard.h"
#include "ShownText.h"

#include <span>

namespace morvent {

namespace {

QJsonObject identityJson(const Bytes& identity, const Bytes& firmware) {
    const std::span<const std::uint8_t> reply(identity);
    const std::string hardware =
        latin1ToUtf8(reply.subspan(10, 1)) + "." + latin1ToUtf8(reply.subspan(11, 1));
    // Four characters shown with points between them, as the window shows them.
    std::string version;
    for (std::size_t i = 12; i < 16; ++i) {
        version += (version.empty() ? "" : ".") + latin1ToUtf8(reply.subspan(i, 1));
    }
    const std::string firmwareCaption = firmwareTextCaption(firmware);
    return QJsonObject{
        {"manufacturer", QString::fromStdString(latin1ToUtf8(reply.subspan(2, 4)))},
        {"model", QString::fromStdString(latin1ToUtf8(reply.subspan(6, 4)))},
        {"hardwareVersion", QString::fromStdString(hardware)},
        {"firmwareVersion", QString::fromStdString(version)},
        {"nominalVoltage", utf8Text(nominalVoltageCaption(reply[16])).section(' ', 2)},
        {"maxCurrent", reply[17]},
        {"firmwareText",
         QString::fromStdString(firmwareCaption.substr(std::string("Firmware Ver:").size()))},
    };
}

Outcome info(ConnectedController& controller, bool json, const CommandStreams& io) {
    if (json) {
        sayJson(io, identityJson(controller.identity, controller.firmwareText),
                QJsonDocument::Indented);
        return Outcome::Success;
    }
    FieldStore fields;
    applyIdentity(controller.identity, fields);
    for (const char* label : {"Label6", "Label7", "Label8", "Label9", "Label10", "Label11"}) {
        say(io, io.out, controllerText(fields.text(label)));
    }
    say(io, io.out, controllerText(firmwareTextCaption(controller.firmwareText)));
    return Outcome::Success;
}

// info: probes the baud rate as Connect does and shows the controller's identity.
class InfoCommand : public CliCommand {
public:
    void describe(QCommandLineParser& parser) const override {
        parser.setApplicationDescription(
            "Probe the baud rate as Connect does and identify the controller.");
        m_line.addTo(parser);
        parser.addOption(jsonOption());
    }

    void take(const QCommandLineParser& parser, CommandRequest& request) const override {
        m_line.take(parser, request);
    }

    Outcome run(const CommandRequest& request, const RunGuard& guard,
                const CommandStreams& io) const override {
        return runPortCommand(request, guard, io, [&](PortPlan& plan) -> PortWork {
            plan.ports = portsToServe(request);
            plan.budget = descriptorBudget(static_cast<std::size_t>(plan.ports.size()), 0);
            return [json = request.json](ConnectedController& controller, std::size_t,
                                         const CommandStreams& streams) {
                return info(controller, json, streams);
            };
        });
    }

private:
    LineOptions m_line;
};

} // namespace

std::shared_ptr<CliCommand> makeInfoCommand() {
    return std::make_shared<InfoCommand>();
}

} // namespace morvent
