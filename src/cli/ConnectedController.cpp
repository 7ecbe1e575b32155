// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#include "ConnectedController.h"

#include "BlockCodec.h"
#include "CommandOutput.h"
#include "SimulatedController.h"

namespace morvent {

ConnectedController::ConnectedController(const std::string& device,
                                         std::chrono::milliseconds timeout,
                                         std::optional<std::uint32_t> firstRate,
                                         const CommandStreams& io) {
    std::string path = device;
    if (path.empty()) {
        m_simulator = std::make_unique<SimulatedController>();
        m_simulator->start();
        path = m_simulator->devicePath();
    }
    m_session = std::make_unique<ControllerSession>(TComm::devicePath(path), timeout, io.timing);
    identity = m_session->connect(
        [&io](std::uint32_t baud) {
            say(io, io.err, QStringLiteral("Probing at %1 baud").arg(baud));
        },
        firstRate);
    firmwareText = m_session->read(Command::FirmwareText);
}

ConnectedController::~ConnectedController() = default;

void readBlocks(ControllerSession& session, Fields& fields, const CommandStreams& io) {
    for (const Block block : kAllBlocks) {
        say(io, io.err, QStringLiteral("Reading the %1 block").arg(utf8Text(layout(block).title)));
        applyReadReply(block, session.read(layout(block).command), fields);
    }
}

} // namespace morvent
