// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#pragma once

#include <string>
#include <sys/types.h>
#include <vector>

namespace morvent {

// A process that has a device open.
struct DeviceHolder {
    pid_t pid = 0;
    std::string name; // the process's command name, as /proc shows it
};

// Every other process that has the device open, lock or no lock, in the order /proc lists them.
// This process is left out, and so is the process that holds the master end of a
// pseudo-terminal: that is the far end of the line (a simulated controller), not a second user.
// Other users' processes are seen only with privileges.
std::vector<DeviceHolder> findDeviceHolders(const std::string& devicePath);

// Whether the open descriptor is this process's own controlling terminal.
bool isOwnTerminal(int fd);

} // namespace morvent
