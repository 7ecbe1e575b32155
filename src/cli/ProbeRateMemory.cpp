// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#include "ProbeRateMemory.h"

#include "Descriptor.h"

#include <fcntl.h>
#include <pwd.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <sstream>
#include <thread>

namespace morvent {

namespace {

// Enough for a shop's rack of adapters; beyond it one name is let go for each new one.
constexpr std::size_t kMaxPorts = 256;
// Far beyond what kMaxPorts lines take; a larger file is read this far only.
constexpr std::size_t kReadLimit = std::size_t{1} << 20;
// Another run holds the lock only while it merges a few lines; one that holds it longer is
// hung, and a cache is not worth waiting on.
constexpr auto kLockWait = std::chrono::seconds(2);

constexpr const char* kFileName = "probe-rates";
constexpr const char* kLockName = "probe-rates.lock";
constexpr const char* kNewName = "probe-rates.new";

std::string cacheFolder() {
    // Relative paths are to be ignored, as the XDG base directory rules say.
    if (const char* xdg = std::getenv("XDG_CACHE_HOME"); xdg && xdg[0] == '/') {
        return std::string(xdg) + "/morvent";
    }
    if (const char* home = std::getenv("HOME"); home && home[0] == '/') {
        return std::string(home) + "/.cache/morvent";
    }
    if (const passwd* user = ::getpwuid(::geteuid());
        user && user->pw_dir && user->pw_dir[0] == '/') {
        return std::string(user->pw_dir) + "/.cache/morvent";
    }
    return {};
}

bool ownedRegularFile(const struct stat& info) {
    // A second hard link would make this name another file's too.
    return S_ISREG(info.st_mode) && info.st_uid == ::geteuid() && info.st_nlink == 1;
}

// The folder, as a directory the user owns reached without a link at its end; created first
// (with its parents, for this user only) when asked.
Descriptor openFolder(const std::string& folder, bool create) {
    if (create) {
        for (std::size_t slash = folder.find('/', 1);; slash = folder.find('/', slash + 1)) {
            const std::string part = folder.substr(0, slash);
            if (::mkdir(part.c_str(), 0700) != 0 && errno != EEXIST) {
                break;
            }
            if (slash == std::string::npos) {
                break;
            }
        }
    }
    Descriptor dir(::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_NOFOLLOW | O_CLOEXEC));
    struct stat info {};
    if (!dir.valid() || ::fstat(dir.get(), &info) != 0 || !S_ISDIR(info.st_mode) ||
        info.st_uid != ::geteuid()) {
        return {};
    }
    return dir;
}

// A file of the folder as the user's own regular file: looked at before it is opened, so that
// nothing else there (a named pipe, a device) is ever opened, and looked at again once open, so
// that nothing put there in between is used.
Descriptor openOwnFile(int dir, const char* name, int flags) {
    struct stat before {};
    if (::fstatat(dir, name, &before, AT_SYMLINK_NOFOLLOW) == 0) {
        if (!ownedRegularFile(before)) {
            return {};
        }
    } else if (errno != ENOENT || !(flags & O_CREAT)) {
        return {};
    }
    Descriptor fd(aboveStandardStreams(
        ::openat(dir, name, flags | O_NOFOLLOW | O_NONBLOCK | O_NOCTTY | O_CLOEXEC, 0600)));
    struct stat info {};
    if (!fd.valid() || ::fstat(fd.get(), &info) != 0 || !ownedRegularFile(info)) {
        return {};
    }
    return fd;
}

// One port a line: the rate, a tab, the device's path. A line cut by the read limit is left out.
void readRates(int dir, std::map<std::string, std::uint32_t>& rates) {
    const Descriptor fd = openOwnFile(dir, kFileName, O_RDONLY);
    if (!fd.valid()) {
        return;
    }
    std::string text(kReadLimit, '\0');
    std::size_t got = 0;
    while (got < text.size()) {
        const ssize_t n = ::read(fd.get(), text.data() + got, text.size() - got);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            break;
        }
        got += static_cast<std::size_t>(n);
    }
    text.resize(got);
    if (got == kReadLimit) {
        text.resize(text.rfind('\n') == std::string::npos ? 0 : text.rfind('\n') + 1);
    }
    std::istringstream in(text);
    std::string line;
    while (rates.size() < kMaxPorts && std::getline(in, line)) {
        std::istringstream fields(line);
        std::uint32_t rate = 0;
        std::string device;
        if (fields >> rate && fields.get() == '\t' && std::getline(fields, device) &&
            !device.empty()) {
            rates[device] = rate;
        }
    }
}

bool writeAll(int fd, const std::string& text) {
    std::size_t done = 0;
    while (done < text.size()) {
        const ssize_t n = ::write(fd, text.data() + done, text.size() - done);
        if (n < 0 && errno == EINTR) {
            continue;
        }
        if (n <= 0) {
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    return true;
}

// Held while a run merges its rates into the file, so that runs saving at once all keep theirs.
Descriptor lockFolder(int dir) {
    Descriptor lock = openOwnFile(dir, kLockName, O_RDWR | O_CREAT);
    if (!lock.valid()) {
        return {};
    }
    const auto deadline = std::chrono::steady_clock::now() + kLockWait;
    while (::flock(lock.get(), LOCK_EX | LOCK_NB) != 0) {
        if ((errno != EWOULDBLOCK && errno != EINTR) ||
            std::chrono::steady_clock::now() >= deadline) {
            return {};
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    return lock;
}

} // namespace

ProbeRateMemory::ProbeRateMemory() : m_folder(cacheFolder()) {
    if (m_folder.empty()) {
        return;
    }
    if (const Descriptor dir = openFolder(m_folder, false); dir.valid()) {
        readRates(dir.get(), m_rates);
    }
}

std::optional<std::uint32_t> ProbeRateMemory::rateOf(const std::string& device) const {
    const auto found = m_rates.find(device);
    return found == m_rates.end() ? std::nullopt : std::optional(found->second);
}

void ProbeRateMemory::remember(const std::string& device, std::uint32_t rate) {
    if (rate == 0 || device.find('\n') != std::string::npos || rateOf(device) == rate) {
        return;
    }
    m_rates[device] = rate;
    m_learnt[device] = rate;
}

void ProbeRateMemory::save() const {
    if (m_learnt.empty() || m_folder.empty()) {
        return;
    }
    const Descriptor dir = openFolder(m_folder, true);
    if (!dir.valid()) {
        return;
    }
    const Descriptor lock = lockFolder(dir.get());
    if (!lock.valid()) {
        return;
    }
    // Anything but the user's own regular file there (a link, a pipe, a device, another user's
    // file) is let be, and with it the rates.
    struct stat there {};
    if (::fstatat(dir.get(), kFileName, &there, AT_SYMLINK_NOFOLLOW) == 0 &&
        !ownedRegularFile(there)) {
        return;
    }
    // What other runs saved since this one read the file, with this run's rates over it.
    std::map<std::string, std::uint32_t> rates;
    readRates(dir.get(), rates);
    for (const auto& [device, rate] : m_learnt) {
        if (rates.size() >= kMaxPorts && !rates.contains(device)) {
            rates.erase(rates.begin());
        }
        rates[device] = rate;
    }
    std::string text;
    for (const auto& [device, rate] : rates) {
        text += std::to_string(rate) + '\t' + device + '\n';
    }
    // Written aside and renamed over, so a run that ends half way leaves whole rates behind. The
    // name aside is removed first, never followed: whatever was left or put there goes.
    ::unlinkat(dir.get(), kNewName, 0);
    Descriptor out(aboveStandardStreams(
        ::openat(dir.get(), kNewName, O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600)));
    if (!out.valid()) {
        return;
    }
    if (!writeAll(out.get(), text) || !out.close() ||
        ::renameat(dir.get(), kNewName, dir.get(), kFileName) != 0) {
        ::unlinkat(dir.get(), kNewName, 0);
    }
}

} // namespace morvent
