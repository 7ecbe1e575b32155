// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#pragma once

#include <QString>

#include <string>

namespace morvent {

// Why a port could not be opened, and what to do about it, in plain words for a technician, from
// the system's error number that came with ECommsError (errno, or GetLastError() on Windows).
// POSIX: permission (the group that may use the device and how to join it, or how to give access
// where no such group exists), in use (by whom, every process that can be found; ModemManager
// named as the usual suspect), the program's own terminal, no such device, or line settings the
// device does not take. Windows: the port in use by another program, no such port, or line
// settings the driver does not take. Empty where there is nothing useful to add.
QString openFailureHelp(const std::string& devicePath, int systemError);

} // namespace morvent
