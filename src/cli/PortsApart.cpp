// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#include "PortsApart.h"

#include "ArgumentText.h"
#include "ControllerSession.h"
#include "TComm.h"

#include <sys/stat.h>

#include <cstdlib>
#include <functional>
#include <map>
#include <memory>
#include <string>

namespace morvent {

namespace {

// What makes two names one thing: for a device node the device it stands for, for another file
// that exists the file itself, else the path with its folder resolved.
std::string identityOf(const std::string& path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) == 0) {
        return S_ISCHR(info.st_mode)
                   ? "c" + std::to_string(info.st_rdev)
                   : "f" + std::to_string(info.st_dev) + ":" + std::to_string(info.st_ino);
    }
    const std::size_t slash = path.rfind('/');
    const std::string folder =
        slash == std::string::npos ? "." : (slash == 0 ? "/" : path.substr(0, slash));
    const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
    const std::unique_ptr<char, decltype(&std::free)> real(::realpath(folder.c_str(), nullptr),
                                                           &std::free);
    return "p" + (real ? std::string(real.get()) : folder) + "/" + name;
}

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
