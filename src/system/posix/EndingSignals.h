// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#pragma once

#include "EventFd.h"

#include <signal.h>

namespace morvent {

// SIGINT, SIGTERM and SIGHUP as a wake-up that an event loop watches, so that a program with
// one (the window) ends in order, as if its user had closed it: its port put back and let go.
// The handlers only signal the wake-up, which is async-signal-safe. Further signals (a logout
// sends SIGHUP to every process, an impatient user presses Ctrl+C again) only wake it again, so
// they never cut short an ending under way; a program that no longer answers can still be ended
// by a signal that comes 30 s or more after the first, which ends the process as the signal
// would, and so does any signal once the object is gone. A signal the process was started
// ignoring (nohup) stays ignored. One object at a time; destroying it puts the signals' earlier
// handling back.
class EndingSignals {
public:
    EndingSignals();
    ~EndingSignals();
    EndingSignals(const EndingSignals&) = delete;
    EndingSignals& operator=(const EndingSignals&) = delete;

    // Readable once one of the signals has come; -1 when the system gave no wake-up.
    int fd() const { return m_wakeUp.fd(); }
    // The signal that came last, 0 for none; quietens the wake-up.
    int take();

private:
    EventFd m_wakeUp;
    struct sigaction m_before[3] = {};
    bool m_installed[3] = {};
};

} // namespace morvent
