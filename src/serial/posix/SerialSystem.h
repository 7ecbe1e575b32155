// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#pragma once

#include <functional>
#include <thread>

struct termios;
struct serial_icounter_struct;

namespace morvent {

// The operating-system calls whose failure the serial component must survive but which a test
// cannot make fail on demand with real devices: a device vanishing between open and setup, no
// file descriptors left for the stop event, no thread to be had, and line-error or modem-line
// counters, which pseudo-terminals do not keep. The component uses real() unless a test hands it
// another set.
struct SerialSystem {
    std::function<int(const char* path, int flags)> openDevice;
    std::function<int(int fd, termios* attributes)> getAttributes;
    std::function<int()> createEvent;
    // Starts body on a new thread named name ("comm-reader", "comm-writer"); false if none could
    // be had.
    std::function<bool(std::thread& thread, std::function<void()> body, const char* name)>
        startThread;
    // Cumulative line-error and modem-line counters; -1 where the device keeps none.
    std::function<int(int fd, serial_icounter_struct* counters)> lineCounters;

    static const SerialSystem& real();
};

} // namespace morvent
