// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#pragma once

#include "AwaitedRequest.h"

#include <QCoreApplication>

#include <cstdint>

namespace morvent {

class StatusReporter;

// The status bar's words for a request on its way: what is awaited, as which step of which
// chain, or that Continuous Get runs.
class AwaitedWording {
    // The window's words, kept under its name in the catalogues.
    Q_DECLARE_TR_FUNCTIONS(morvent::AwaitedWording)

public:
    explicit AwaitedWording(StatusReporter& status) : m_status(status) {}

    // The request with this code was sent, awaited as `pending`; `polling`: Continuous Get runs.
    void awaiting(std::uint8_t code, PendingRequestKind pending, bool polling);

private:
    StatusReporter& m_status;
};

} // namespace morvent
