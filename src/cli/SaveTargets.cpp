// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#include "SaveTargets.h"

#include "ArgumentText.h"
#include "ControllerSession.h"
#include "FileIo.h"
#include "PortSessions.h"
#include "ShownText.h"
#include "SystemNames.h"

#include <QStandardPaths>

#include <cerrno>

namespace morvent {

ReplacedFiles replacedFiles() {
    return ReplacedFiles(
        localBytes(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
                   QStringLiteral("/morvent/backups/replaced")));
}

std::string targetProblem(const std::string& path) {
    if (const std::string kind = specialFileKind(path); !kind.empty()) {
        return "it is " + kind;
    }
    if (isDanglingLink(path)) {
        return "it is a symbolic link to " + linkTarget(path) + ", which does not exist";
    }
    const int refused = whyNotWritable(path);
    if (refused == kNotARegularFile) {
        return "it is not a regular file";
    }
    if (refused != ENOENT) {
        return refused == 0 ? std::string() : fileErrorText(refused);
    }
    const int folder = whyNoNewFile(path);
    return folder == 0 ? std::string() : fileErrorText(folder);
}

void refuseUnsaveable(const QString& named, const QStringList& ports,
                      const std::function<std::string(const std::string&)>& more) {
    for (const QString& port : ports) {
        const QString file = filePerPort(named, port, ports);
        const std::string target = localBytes(file);
        std::string problem = targetProblem(target);
        if (problem.empty() && more) {
            problem = more(target);
        }
        if (!problem.empty()) {
            throw SessionError(Outcome::InvalidInput, "Unable to write to " +
                                                          localBytes(shownName(file)) + ": " +
                                                          problem + ".");
        }
    }
}

} // namespace morvent
