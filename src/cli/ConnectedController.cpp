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

WriteFrame RunPages::writeFrame(Block block) {
    return {buildWriteFrame(block, m_fields), {}};
}

void RunPages::carryOut(const Step& step) {
    switch (step.kind) {
    case Step::Kind::SendRead:
    case Step::Kind::SendWrite:
        if (const auto block = blockForCode(step.code)) {
            say(m_io, m_io.err,
                (step.kind == Step::Kind::SendRead ? QStringLiteral("Reading the %1 block")
                                                   : QStringLiteral("Writing the %1 block"))
                    .arg(utf8Text(layout(*block).title)));
        }
        break;
    case Step::Kind::ReadIntoPages:
    case Step::Kind::ReadIntoCopy:
        applyReadReply(step.block, m_session.lastReply(), m_fields);
        break;
    case Step::Kind::LearnWritten:
        written.push_back(step.block);
        break;
    case Step::Kind::Refuse:
        refused = step.refusal;
        break;
    default:
        break;
    }
}

void readBlocks(ControllerSession& session, Fields& fields, const CommandStreams& io) {
    RequestCycle cycle;
    RunPages pages(session, fields, io);
    session.run(cycle, cycle.startComparison(), pages);
}

} // namespace morvent
