// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#pragma once

#include "ReplacedFiles.h"

#include <QStringList>

#include <functional>
#include <string>

namespace morvent {

// Where a save keeps what it replaces: the window's backups folder, "replaced" in it.
ReplacedFiles replacedFiles();

// Why the file a run is to save (read's parameter file, report's report) could not be saved,
// asked before the controller is read: a folder, a FIFO or a device named as what it is, a link
// to nothing, a file or folder that does not take writing. Empty when it can be saved.
std::string targetProblem(const std::string& path);

// Refuses (SessionError) the first of each port's file of `named` that could not be saved, for
// targetProblem's reasons or, when it has none, for `more`'s.
void refuseUnsaveable(const QString& named, const QStringList& ports,
                      const std::function<std::string(const std::string&)>& more = {});

} // namespace morvent
