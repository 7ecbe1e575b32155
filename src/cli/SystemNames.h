// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#pragma once

#include <QString>

#include <string>

namespace morvent {

// What names of ports and files mean on each system (posix/SystemNames.cpp,
// win32/SystemNames.cpp).

// What makes two names one thing, compared to find ports named twice and files two sessions
// would share: for a device the device it stands for (on Windows COM7, com7 and \\.\COM7 are one
// port), for another file that exists the file itself (a link is its target), else the path
// with its folder resolved.
std::string identityOf(const std::string& path);

// What a name an output file is to be written to stands for when that is no file a save could
// replace: "a folder", "a FIFO", "a device" (a link counts as its target). Empty for a regular
// file, and for a name that is nothing yet.
std::string specialFileKind(const std::string& path);

// A port's name as a part of a file's name: the device's name without the folder that holds
// every device (/dev/, \\.\), its separators made '-'.
QString portInFileName(const QString& port);

// Where the last name of a path begins: past its last separator, 0 when it has none.
qsizetype nameStartOf(const QString& path);

// The help of -p: how ports are named here.
QString portOptionHelp();

} // namespace morvent
