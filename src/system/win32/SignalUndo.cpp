// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#include "SignalUndo.h"
#include "UndoSteps.h"

#include <windows.h>

namespace morvent {

namespace {

// Windows runs this on a thread of its own for Ctrl+C, Ctrl+Break, a closed console window, a
// log-off and a shutdown: what SIGINT, SIGTERM and SIGHUP are elsewhere. The process ends here,
// with the status a console program ended by Ctrl+C has, once the steps have put back what they
// guard; for a closed window Windows waits a few seconds for that.
BOOL WINAPI endByConsole(DWORD event) {
    switch (event) {
    case CTRL_C_EVENT:
    case CTRL_BREAK_EVENT:
    case CTRL_CLOSE_EVENT:
    case CTRL_LOGOFF_EVENT:
    case CTRL_SHUTDOWN_EVENT:
        runUndoStepsOnce();
        ::ExitProcess(STATUS_CONTROL_C_EXIT);
    default:
        return FALSE;
    }
}

} // namespace

void installSignalUndo() {
    // A console started with Ctrl+C ignored (start /b, some job runners) keeps ignoring it, as
    // SIGINT ignored from the start is kept elsewhere.
    ::SetConsoleCtrlHandler(endByConsole, TRUE);
}

} // namespace morvent
