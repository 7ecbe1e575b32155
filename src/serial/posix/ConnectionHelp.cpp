// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#include "ConnectionHelp.h"

#include "ConnectionHelpTexts.h"
#include "Descriptor.h"
#include "DeviceHolders.h"

#include <QStringList>

#include <dirent.h>
#include <fcntl.h>
#include <grp.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fstream>

namespace morvent {

namespace {

std::string canonical(const std::string& path) {
    std::array<char, PATH_MAX> resolved{};
    return ::realpath(path.c_str(), resolved.data()) ? std::string(resolved.data()) : path;
}

std::string linkTarget(const std::string& link) {
    std::array<char, PATH_MAX> target{};
    const ssize_t length = ::readlink(link.c_str(), target.data(), target.size() - 1);
    return length > 0 ? std::string(target.data(), static_cast<std::size_t>(length))
                      : std::string();
}

std::string firstLine(const std::string& path) {
    std::ifstream file(path);
    std::string line;
    std::getline(file, line);
    return line;
}

// The index of the pseudo-terminal whose master end an open descriptor is, or -1.
int masterIndex(const std::string& fdInfo) {
    std::ifstream info(fdInfo);
    for (std::string line; std::getline(info, line);) {
        if (line.starts_with("tty-index:")) {
            return std::atoi(line.c_str() + std::strlen("tty-index:"));
        }
    }
    return -1;
}

// A udev rule matches the adapter under any number, since it may come back as another one.
QString kernelPattern(const std::string& devicePath) {
    QString name = QString::fromStdString(canonical(devicePath)).section(QLatin1Char('/'), -1);
    qsizetype digits = name.size();
    while (digits > 0 && name[digits - 1].isDigit()) {
        --digits;
    }
    return digits < name.size() && digits > 0 ? name.left(digits) + QStringLiteral("[0-9]*") : name;
}

QString permissionHelp(const std::string& devicePath) {
    const QString path = QString::fromStdString(devicePath);
    struct stat info {};
    const group* owner = ::stat(devicePath.c_str(), &info) == 0 ? ::getgrgid(info.st_gid) : nullptr;
    const mode_t readWrite = S_IRGRP | S_IWGRP;
    if (owner && info.st_gid != 0 && (info.st_mode & readWrite) == readWrite) {
        return connectionHelp::permissionByGroup(path, QString::fromLocal8Bit(owner->gr_name));
    }
    // No group may use the device, so joining one would not help: the device must be given to
    // one first, the serial group the system keeps for this, made where it is missing.
    return connectionHelp::permissionWithoutGroup(path, QStringLiteral("dialout"),
                                                  ::getgrnam("dialout") == nullptr,
                                                  kernelPattern(devicePath));
}

bool isOwnTerminalPath(const std::string& devicePath) {
    const Descriptor fd(::open(devicePath.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC));
    return fd.valid() && isOwnTerminal(fd.get());
}

QString inUseHelp(const std::string& devicePath) {
    if (isOwnTerminalPath(devicePath)) {
        return connectionHelp::ownTerminal(QString::fromStdString(devicePath));
    }
    const std::vector<DeviceHolder> holders = findDeviceHolders(devicePath);
    if (holders.empty()) {
        return connectionHelp::inUse();
    }
    QStringList names;
    bool modemManager = false;
    for (const DeviceHolder& holder : holders) {
        names << connectionHelp::holder(QString::fromStdString(holder.name), holder.pid);
        modemManager = modemManager || holder.name == "ModemManager";
    }
    return connectionHelp::inUseBy(names, modemManager);
}

} // namespace

std::vector<DeviceHolder> findDeviceHolders(const std::string& devicePath) {
    const std::string wanted = canonical(devicePath);
    // The master end of /dev/pts/N is a descriptor of /dev/ptmx whose tty-index is N.
    int ptyIndex = -1;
    if (wanted.starts_with("/dev/pts/")) {
        char* end = nullptr;
        const long index = std::strtol(wanted.c_str() + std::strlen("/dev/pts/"), &end, 10);
        ptyIndex = *end == '\0' ? static_cast<int>(index) : -1;
    }
    std::vector<DeviceHolder> holders;
    DIR* proc = ::opendir("/proc");
    if (!proc) {
        return holders;
    }
    while (const dirent* process = ::readdir(proc)) {
        char* end = nullptr;
        const long pid = std::strtol(process->d_name, &end, 10);
        if (pid <= 0 || *end != '\0' || pid == ::getpid()) {
            continue;
        }
        const std::string directory = "/proc/" + std::string(process->d_name);
        // Other users' processes cannot be looked into without privileges; they are skipped.
        DIR* fds = ::opendir((directory + "/fd").c_str());
        if (!fds) {
            continue;
        }
        bool holds = false;
        bool farEnd = false;
        while (const dirent* fd = ::readdir(fds)) {
            if (fd->d_name[0] == '.') {
                continue;
            }
            const std::string target = linkTarget(directory + "/fd/" + fd->d_name);
            holds = holds || target == wanted;
            if (ptyIndex >= 0 && (target == "/dev/ptmx" || target == "/dev/pts/ptmx")) {
                farEnd = farEnd || masterIndex(directory + "/fdinfo/" + fd->d_name) == ptyIndex;
            }
        }
        ::closedir(fds);
        if (holds && !farEnd) {
            holders.push_back({static_cast<pid_t>(pid), firstLine(directory + "/comm")});
        }
    }
    ::closedir(proc);
    return holders;
}

bool isOwnTerminal(int fd) {
    // The kernel gives a terminal's session only to a process of which it is the controlling
    // terminal.
    pid_t session = 0;
    return ::ioctl(fd, TIOCGSID, &session) == 0 && session == ::getsid(0);
}

QString openFailureHelp(const std::string& devicePath, int systemError) {
    const QString path = QString::fromStdString(devicePath);
    switch (systemError) {
    case EACCES:
    case EPERM:
        return permissionHelp(devicePath);
    case EBUSY:
    case EWOULDBLOCK:
        return inUseHelp(devicePath);
    case ENOENT:
    case ENODEV:
    case ENXIO:
        return connectionHelp::noSuchDevice(path);
    case EIO:
        return connectionHelp::notAnswering(path);
    case EINVAL:
        return connectionHelp::lineSettings(path);
    case ENOTTY:
        return connectionHelp::notASerialPort(path);
    case 0:
        return {};
    default:
        return connectionHelp::systemWords(QString::fromLocal8Bit(std::strerror(systemError)));
    }
}

} // namespace morvent
