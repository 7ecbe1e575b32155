// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#include "CsvFile.h"

#include "LiveReadingsReply.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstring>

namespace morvent {

namespace {

std::string folderOf(const std::string& path) {
    const std::size_t slash = path.rfind('/');
    return slash == std::string::npos ? "." : slash == 0 ? "/" : path.substr(0, slash);
}

// Opened not blocking, written blocking.
bool makeBlocking(int fd) {
    const int flags = fd < 0 ? -1 : ::fcntl(fd, F_GETFL);
    return flags >= 0 && ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) == 0;
}

} // namespace

Outcome writeErrorOutcome(int error) {
    switch (error) {
    case ENOSPC:
    case EDQUOT:
    case EIO:
    case EFBIG:
    case ENOMEM:
    case EMFILE:
    case ENFILE:
    case EPIPE:
        return Outcome::Failure;
    default:
        return Outcome::InvalidInput;
    }
}

// Opened not blocking, so a named pipe nobody reads is refused rather than waited on; written
// with write(2), so that every failed write is seen.
struct CsvFile::Handle {
    int fd = -1;
};

CsvFile::CsvFile(std::string path) : m_path(std::move(path)), m_file(std::make_unique<Handle>()) {
    m_file->fd = ::open(m_path.c_str(), O_WRONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
    if (m_file->fd >= 0) {
        if (!makeBlocking(m_file->fd)) {
            fail();
        }
    } else if (errno != ENOENT || ::access(folderOf(m_path).c_str(), W_OK | X_OK) != 0) {
        // A new file is made with the first reading; until then its folder must take it.
        fail();
    }
    // A reader that goes away is a failed write, reported as such, not a silent end.
    std::signal(SIGPIPE, SIG_IGN);
}

CsvFile::~CsvFile() {
    if (m_file->fd >= 0) {
        ::close(m_file->fd);
    }
}

void CsvFile::write(std::string_view line) {
    int& fd = m_file->fd;
    if (!m_started) {
        m_started = true;
        struct stat info {};
        if (fd < 0) {
            fd = ::open(m_path.c_str(),
                        O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC | O_NOCTTY | O_NONBLOCK, 0666);
            if (!makeBlocking(fd)) {
                fail();
            }
        } else if (::fstat(fd, &info) != 0 || (S_ISREG(info.st_mode) && ::ftruncate(fd, 0) != 0)) {
            fail();
        }
        write(liveReadingsCsvHeader());
    }
    while (!line.empty()) {
        const ssize_t written = ::write(fd, line.data(), line.size());
        if (written < 0 && errno != EINTR) {
            fail();
        }
        line.remove_prefix(static_cast<std::size_t>(std::max<ssize_t>(written, 0)));
    }
}

void CsvFile::fail() const {
    const int error = errno;
    const std::string why =
        error == ENXIO ? "a named pipe that nobody reads" : std::strerror(error);
    throw SessionError(writeErrorOutcome(error), "Unable to write to " + m_path + ": " + why);
}

} // namespace morvent
