// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#include "SystemNames.h"

#include <sys/stat.h>

#include <cstdlib>
#include <memory>

namespace morvent {

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

std::string specialFileKind(const std::string& path) {
    struct stat info {};
    if (::stat(path.c_str(), &info) != 0) {
        return {};
    }
    if (S_ISDIR(info.st_mode)) {
        return "a folder";
    }
    if (S_ISFIFO(info.st_mode)) {
        return "a FIFO";
    }
    if (S_ISCHR(info.st_mode) || S_ISBLK(info.st_mode) || S_ISSOCK(info.st_mode)) {
        return "a device";
    }
    return {};
}

QString portInFileName(const QString& port) {
    QString name = port.startsWith(QStringLiteral("/dev/")) ? port.mid(5) : port;
    return name.replace('/', '-');
}

qsizetype nameStartOf(const QString& path) {
    return path.lastIndexOf('/') + 1;
}

QString portOptionHelp() {
    return QStringLiteral(
        "The serial port: a name in /dev (ttyUSB0) or a path. Given several times, the "
        "controllers on all of them are served at once and the run ends with the highest exit "
        "code of all; all takes every adapter found. Ports the limit of open files (ulimit -n, "
        "raised as far as allowed) cannot serve at once are served in batches, each waiting for "
        "a session to end; watch without --count refuses them with exit 2. Two names of one "
        "device, or ports whose files would share a name, are refused with exit 2.");
}

} // namespace morvent
