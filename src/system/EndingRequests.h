// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#pragma once

#include <memory>

namespace morvent {

// How the system asks a program with windows to end (a logout, a shutdown, kill), so that it
// ends in order, as if its user had closed it. POSIX asks with SIGINT, SIGTERM and SIGHUP, which
// wake a descriptor that the event loop watches; Windows asks every window with WM_ENDSESSION,
// which the event loop hands to a filter of its native events. One object at a time.
class EndingRequests {
public:
    EndingRequests();
    ~EndingRequests();
    EndingRequests(const EndingRequests&) = delete;
    EndingRequests& operator=(const EndingRequests&) = delete;

    // Readable once an ending was asked for; -1 where requests come otherwise (Windows) or the
    // system gave no descriptor.
    int fd() const;
    // Quietens fd() after a request.
    void take();

    // Whether requests come as window messages, which endsNow() must be shown.
    static bool comeAsWindowMessages();
    // Whether a native event (as Qt names its type, and the message) ends the session now. The
    // system ends the process as soon as such a message is answered, so everything the ending
    // keeps must be kept before the filter returns.
    static bool endsNow(const char* eventType, const void* message);

private:
    struct Watch;
    std::unique_ptr<Watch> m_watch;
};

} // namespace morvent
