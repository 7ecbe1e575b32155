// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#include "PortsApart.h"

#include "ArgumentText.h"
#include "ControllerSession.h"
#include "SystemNames.h"
#include "TComm.h"

#include <functional>
#include <map>
#include <string>

namespace morvent {

namespace {

// Refuses the first name that shares its identity with an earlier one.
template <typename Message>
void refuseShared(const QStringList& names, Message message,
                  const std::function<std::string(const QString&)>& path) {
    std::map<std::string, qsizetype> seen;
    for (qsizetype i = 0; i < names.size(); ++i) {
        const auto [found, fresh] = seen.emplace(identityOf(path(names[i])), i);
        if (!fresh) {
            throw SessionError(Outcome::InvalidInput, message(found->second, i));
        }
    }
}

} // namespace

void refuseOneDeviceTwice(const QStringList& ports) {
    refuseShared(
        ports,
        [&](qsizetype a, qsizetype b) {
            return "The ports " + localBytes(ports[a]) + " and " + localBytes(ports[b]) +
                   " are one device; name each port once. Nothing was done.";
        },
        [](const QString& port) { return TComm::devicePath(localBytes(port)); });
}

void refuseSharedFiles(const QStringList& ports, const QStringList& files) {
    refuseShared(
        files,
        [&](qsizetype a, qsizetype b) {
            return "The ports " + localBytes(ports[a]) + " and " + localBytes(ports[b]) +
                   " would both write to " + localBytes(files[b]) +
                   "; give them names apart. Nothing was done.";
        },
        [](const QString& file) { return localBytes(file); });
}

} // namespace morvent
