// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#pragma once

#include <QString>

#include <functional>
#include <vector>

namespace morvent {

// A port the user can pick in the Port list.
struct PortEntry {
    QString name;        // what the list shows: ttyUSB0 (a device in /dev), COM7
    QString device;      // what is opened
    QString description; // the adapter's own description, where it gives one
};

using PortSource = std::function<std::vector<PortEntry>()>;

// The computer's serial ports in a stable order: USB adapters and built-in UARTs. POSIX: as the
// system finds them, by name. Windows: the ports the registry lists, in the order of their
// numbers (COM2 before COM10), described by their adapters' names where Windows has them.
std::vector<PortEntry> systemSerialPorts();

// The entry under which the built-in simulated controller is listed, so that nobody takes it
// for a real adapter.
PortEntry simulatedPort(const QString& devicePath);

} // namespace morvent
