// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#include "SerialSystem.h"

#include "Descriptor.h"

#include <fcntl.h>
#include <linux/serial.h>
#include <pthread.h>
#include <sys/eventfd.h>
#include <sys/ioctl.h>
#include <termios.h>

#include <system_error>

namespace morvent {

namespace {

bool startNamedThread(std::thread& thread, std::function<void()> body, const char* name) {
    try {
        thread = std::thread(std::move(body));
    } catch (const std::system_error&) {
        return false;
    }
    // Named threads make a hung port obvious in a debugger or `top -H`.
    pthread_setname_np(thread.native_handle(), name);
    return true;
}

} // namespace

const SerialSystem& SerialSystem::real() {
    static const SerialSystem system{
        [](const char* path, int flags) { return ::open(path, flags); },
        [](int fd, termios* attributes) { return ::tcgetattr(fd, attributes); },
        [] { return aboveStandardStreams(::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK)); },
        startNamedThread,
        [](int fd, serial_icounter_struct* counters) { return ::ioctl(fd, TIOCGICOUNT, counters); },
    };
    return system;
}

} // namespace morvent
