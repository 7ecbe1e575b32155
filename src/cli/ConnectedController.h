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

// Reads the four blocks into fields, as Read Flash does.
void readBlocks(ControllerSession& session, Fields& fields, const CommandStreams& io);

} // namespace morvent
