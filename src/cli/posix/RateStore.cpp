// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#include "RateStore.h"

#include "Descriptor.h"

#include <fcntl.h>
#include <pwd.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <thread>

namespace morvent {

namespace {

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

} // namespace

struct RateStore::Handles {
    Descriptor dir;
    Descriptor lock;
};

std::string RateStore::location() {
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

RateStore::RateStore(const std::string& folder, bool create)
    : m_handles(std::make_unique<Handles>()) {
    m_handles->dir = openFolder(folder, create);
}

RateStore::~RateStore() = default;

bool RateStore::valid() const {
    return m_handles->dir.valid();
}

std::string RateStore::read(std::size_t limit) const {
    const Descriptor fd = openOwnFile(m_handles->dir.get(), kFileName, O_RDONLY);
    if (!fd.valid()) {
        return {};
    }
    std::string text(limit, '\0');
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
    return text;
}

bool RateStore::lock(std::chrono::milliseconds wait) {
    Descriptor lock = openOwnFile(m_handles->dir.get(), kLockName, O_RDWR | O_CREAT);
    if (!lock.valid()) {
        return false;
    }
    const auto deadline = std::chrono::steady_clock::now() + wait;
    while (::flock(lock.get(), LOCK_EX | LOCK_NB) != 0) {
        if ((errno != EWOULDBLOCK && errno != EINTR) ||
            std::chrono::steady_clock::now() >= deadline) {
            return false;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    }
    m_handles->lock = std::move(lock);
    return true;
}

bool RateStore::mayReplace() const {
    struct stat there {};
    return ::fstatat(m_handles->dir.get(), kFileName, &there, AT_SYMLINK_NOFOLLOW) != 0 ||
           ownedRegularFile(there);
}

void RateStore::replace(const std::string& text) const {
    const int dir = m_handles->dir.get();
    // The name aside is removed first, never followed: whatever was left or put there goes.
    ::unlinkat(dir, kNewName, 0);
    Descriptor out(aboveStandardStreams(
        ::openat(dir, kNewName, O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600)));
    if (!out.valid()) {
        return;
    }
    if (!writeAll(out.get(), text) || !out.close() ||
        ::renameat(dir, kNewName, dir, kFileName) != 0) {
        ::unlinkat(dir, kNewName, 0);
    }
}

} // namespace morvent
