// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#pragma once

#include "Descriptor.h"

namespace morvent {

// A wake-up from one thread to another that poll() can wait on together with other descriptors:
// signal() makes it readable, drain() makes it quiet again. Signals before a drain count once.
class EventFd {
public:
    // A new one; valid() tells whether the system had one to give.
    EventFd();
    // Takes over an event descriptor made elsewhere (-1 for none).
    explicit EventFd(Descriptor fd) : m_fd(std::move(fd)) {}

    int fd() const { return m_fd.get(); }
    bool valid() const { return m_fd.valid(); }
    // Safe from any thread, and inside a signal handler.
    void signal() const;
    // Whether it is signalled, without changing that.
    bool signalled() const;
    // Takes the signal away; false only when reading it failed for another reason than there
    // being none.
    bool drain() const;

private:
    Descriptor m_fd;
};

} // namespace morvent
