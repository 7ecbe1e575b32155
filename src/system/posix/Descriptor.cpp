// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#include "Descriptor.h"

#include <fcntl.h>
#include <unistd.h>

namespace morvent {

void Descriptor::reset(int fd) noexcept {
    const int old = std::exchange(m_fd, fd);
    if (old >= 0) {
        ::close(old);
    }
}

bool Descriptor::close() noexcept {
    const int fd = release();
    return fd >= 0 && ::close(fd) == 0;
}

int aboveStandardStreams(int fd) {
    if (fd < 0 || fd > STDERR_FILENO) {
        return fd;
    }
    const Descriptor low(fd);
    return ::fcntl(low.get(), F_DUPFD_CLOEXEC, STDERR_FILENO + 1);
}

} // namespace morvent
