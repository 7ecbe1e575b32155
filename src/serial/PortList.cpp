// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#include "PortList.h"

#include <QCoreApplication>

namespace morvent {

PortEntry simulatedPort(const QString& devicePath) {
    return {QCoreApplication::translate("PortList", "Simulated controller"), devicePath,
            QCoreApplication::translate(
                "PortList", "The built-in simulated controller (%1), not a real adapter")
                .arg(devicePath)};
}

} // namespace morvent
