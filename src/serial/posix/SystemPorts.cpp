// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#include "PortList.h"

#include <QSerialPortInfo>

#include <algorithm>

namespace morvent {

std::vector<PortEntry> systemSerialPorts() {
    std::vector<PortEntry> ports;
    for (const QSerialPortInfo& info : QSerialPortInfo::availablePorts()) {
        ports.push_back({info.portName(), info.systemLocation(), info.description()});
    }
    std::sort(ports.begin(), ports.end(),
              [](const PortEntry& a, const PortEntry& b) { return a.name < b.name; });
    return ports;
}

} // namespace morvent
