#include "ConnectionHelp.h"

#include <dirent.h>
#include <grp.h>
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

std::string commandName(pid_t pid) {
    std::ifstream comm("/proc/" + std::to_string(pid) + "/comm");
    std::string name;
    std::getline(comm, name);
    return name;
}

QString groupOf(const std::string& devicePath) {
    struct stat info {};
    if (::stat(devicePath.c_str(), &info) != 0) {
        return QStringLiteral("dialout");
    }
    if (const group* g = ::getgrgid(info.st_gid)) {
        return QString::fromLocal8Bit(g->gr_name);
    }
    return QString::number(info.st_gid);
}

} // namespace

std::optional<DeviceHolder> findDeviceHolder(const std::string& devicePath) {
    const std::string wanted = canonical(devicePath);
    DIR* proc = ::opendir("/proc");
    if (!proc) {
        return std::nullopt;
    }
    std::optional<DeviceHolder> holder;
    while (const dirent* process = ::readdir(proc)) {
        char* end = nullptr;
        const long pid = std::strtol(process->d_name, &end, 10);
        if (pid <= 0 || *end != '\0') {
            continue;
        }
        const std::string fdDirectory = "/proc/" + std::string(process->d_name) + "/fd";
        // Other users' processes cannot be looked into without privileges; they are skipped.
        DIR* fds = ::opendir(fdDirectory.c_str());
        if (!fds) {
            continue;
        }
        while (const dirent* fd = ::readdir(fds)) {
            if (fd->d_name[0] != '.' && linkTarget(fdDirectory + "/" + fd->d_name) == wanted) {
                holder =
                    DeviceHolder{static_cast<pid_t>(pid), commandName(static_cast<pid_t>(pid))};
                break;
            }
        }
        ::closedir(fds);
        if (holder) {
            break;
        }
    }
    ::closedir(proc);
    return holder;
}

QString openFailureHelp(const std::string& devicePath, int systemError) {
    const QString path = QString::fromStdString(devicePath);
    switch (systemError) {
    case EACCES:
    case EPERM: {
        const QString group = groupOf(devicePath);
        return QStringLiteral("Permission denied: your user may not open %1. It belongs to the "
                              "group \"%2\"; add yourself to that group with\n"
                              "    sudo usermod -aG %2 $USER\n"
                              "then log out and log in again: a new group counts only from a new "
                              "login.")
            .arg(path, group);
    }
    case EBUSY:
    case EWOULDBLOCK: {
        const auto holder = findDeviceHolder(devicePath);
        if (!holder) {
            return QStringLiteral("The port is in use: another program is using it. Close that "
                                  "program, then connect again.");
        }
        const QString name = QString::fromStdString(holder->name);
        if (holder->name == "ModemManager") {
            return QStringLiteral("The port is in use by ModemManager (process %1), which probes "
                                  "new serial adapters as if they were modems. Stop it with\n"
                                  "    sudo systemctl stop ModemManager\n"
                                  "or wait until it lets go of the adapter, then connect again.")
                .arg(holder->pid);
        }
        return QStringLiteral("The port is in use by %1 (process %2). Close that program, then "
                              "connect again.")
            .arg(name)
            .arg(holder->pid);
    }
    case ENOENT:
    case ENODEV:
    case ENXIO:
        return QStringLiteral("No such device: %1. The adapter is unplugged or the port name is "
                              "wrong; plug it in and pick it again from the Port list.")
            .arg(path);
    case EIO:
        return QStringLiteral("The device %1 does not answer: the adapter was pulled or has "
                              "failed. Plug it in again and pick it from the Port list.")
            .arg(path);
    case ENOTTY:
        return QStringLiteral("%1 is not a serial port. Pick the adapter from the Port list.")
            .arg(path);
    case 0:
        return {};
    default:
        return QString::fromLocal8Bit(std::strerror(systemError)) + QLatin1Char('.');
    }
}

} // namespace morvent
