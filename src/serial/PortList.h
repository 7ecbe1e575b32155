// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#pragma once

#include <QString>

#include <functional>
#include <vector>

namespace morvent {

// A port the user can pick in the Port list.
struct PortEntry {
    QString name;        // what the list shows; a bare name is a device in /dev
    QString device;      // what is opened
    QString description; // the adapter's own description, where it gives one
};

using PortSource = std::function<std::vector<PortEntry>()>;

// The computer's serial ports in a stable order (by name): USB adapters and built-in UARTs.
std::vector<PortEntry> systemSerialPorts();

// The entry under which the built-in simulated controller is listed, so that nobody takes it
// for a real adapter.
PortEntry simulatedPort(const QString& devicePath);

} // namespace morvent
