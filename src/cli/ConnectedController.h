// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#pragma once

#include "Commands.h"
#include "ControllerSession.h"
#include "Fields.h"

#include <chrono>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace morvent {

class SimulatedController;

// A running session: the simulated controller when asked for, and the identity once connected.
class ConnectedController {
public:
    // An empty device means the simulated controller.
    ConnectedController(const std::string& device, std::chrono::milliseconds timeout,
                        std::optional<std::uint32_t> firstRate, const CommandStreams& io);
    ~ConnectedController();

    ControllerSession& session() { return *m_session; }

    Bytes identity;
    Bytes firmwareText;

private:
    std::unique_ptr<SimulatedController> m_simulator;
    std::unique_ptr<ControllerSession> m_session;
};

// The pages of a command-line run, as the request cycle's chains need them: each block's reply
// read into `fields`, each write frame built from them, each block said on stderr as its frame
// goes out.
class RunPages : public RequestCycle::Hands {
public:
    RunPages(const ControllerSession& session, Fields& fields, const CommandStreams& io)
        : m_session(session), m_fields(fields), m_io(io) {}

    // The blocks the controller accepted, in order, and the refusal a write stopped at.
    std::vector<Block> written;
    std::optional<Refusal> refused;

    // The session sends the frames itself (ControllerSession::run).
    bool send(const Bytes&, const Awaited&) override { return false; }
    // The file's values were checked once, before the first frame.
    std::optional<ChainRefusal> prepareWrite(Block, bool) override { return std::nullopt; }
    WriteFrame writeFrame(Block block) override;
    void carryOut(const Step& step) override;

private:
    const ControllerSession& m_session;
    Fields& m_fields;
    const CommandStreams& m_io;
};

// Reads the four blocks into fields in the order and with the stop rules of Read Flash, without
// its live readings: the comparison's chain, which ends with the last block.
void readBlocks(ControllerSession& session, Fields& fields, const CommandStreams& io);

} // namespace morvent
