// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#pragma once

#include "WinHandle.h"

#include <functional>
#include <thread>

namespace morvent {

// The system calls whose failure the serial component must survive but which a test cannot make
// fail on demand with real devices: the port refused at the open, no event to be had, no thread
// to be had. The component uses real() unless a test hands it another set. A failing call
// leaves its reason in GetLastError().
struct SerialSystem {
    // CreateFileW for reading and writing, shared with nobody, for overlapped I/O; null or
    // INVALID_HANDLE_VALUE when refused.
    std::function<Handle(const wchar_t* path)> openDevice;
    // CreateEventW, unnamed; null when none could be had.
    std::function<Handle(bool manualReset, bool signalled)> createEvent;
    // Starts body on a new thread named name ("comm-reader", "comm-writer"); false if none could
    // be had.
    std::function<bool(std::thread& thread, std::function<void()> body, const char* name)>
        startThread;

    static const SerialSystem& real();
};

} // namespace morvent
