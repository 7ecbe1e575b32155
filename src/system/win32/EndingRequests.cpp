// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#include "EndingRequests.h"

#include <windows.h>

#include <cstring>

namespace morvent {

// Nothing to watch: a session's end reaches every top-level window as a message. Console
// control events do not come to a program with windows, and a closed console is not the
// window's end.
struct EndingRequests::Watch {};

EndingRequests::EndingRequests() = default;

EndingRequests::~EndingRequests() = default;

int EndingRequests::fd() const {
    return -1;
}

void EndingRequests::take() {}

bool EndingRequests::comeAsWindowMessages() {
    return true;
}

bool EndingRequests::endsNow(const char* eventType, const void* message) {
    if (std::strcmp(eventType, "windows_generic_MSG") != 0 &&
        std::strcmp(eventType, "windows_dispatcher_MSG") != 0) {
        return false;
    }
    // WM_QUERYENDSESSION only asks, and another program may still refuse; the end is certain
    // once WM_ENDSESSION says TRUE (a logout, a shutdown, an installer's restart of the program).
    const auto* msg = static_cast<const MSG*>(message);
    return msg->message == WM_ENDSESSION && msg->wParam != FALSE;
}

} // namespace morvent
