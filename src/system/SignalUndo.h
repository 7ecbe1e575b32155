// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#pragma once

namespace morvent {

// An undo step that must run even when the process is ended by SIGINT, SIGTERM or SIGHUP (on
// Windows Ctrl+C, Ctrl+Break or a closed console): a serial line's own settings put back, a
// half-written temporary file removed. Steps may run while other threads are stopped anywhere,
// so they make async-signal-safe calls only: no allocation, no locks, no Qt.
using UndoStep = void (*)(const void* data);

// Holds one registered step for as long as it lives; `data` must outlive it. Any thread may hold
// one, and there is room for as many as the process can have lines and files open; registering
// throws std::bad_alloc only when no memory is left for more room. Without installSignalUndo()
// the steps are kept but never run.
class SignalUndo {
public:
    SignalUndo() = default;
    SignalUndo(UndoStep step, const void* data);
    ~SignalUndo() { reset(); }
    SignalUndo(SignalUndo&& other) noexcept : m_slot(other.m_slot) { other.m_slot = -1; }
    SignalUndo& operator=(SignalUndo&& other) noexcept;
    SignalUndo(const SignalUndo&) = delete;
    SignalUndo& operator=(const SignalUndo&) = delete;

    // Forgets the step; it will not run.
    void reset();
    bool active() const { return m_slot >= 0; }

private:
    int m_slot = -1;
};

// Held by a thread while it changes what an undo step puts back (a line's settings, from the
// registration of its step until the line is set up or restored), so that the steps never run
// in the middle of it and are never overtaken by it: once an ending signal has come, the steps
// wait for the changes under way, and a change that would start after them waits for the end of
// the process instead. Nests within one thread; costs two atomic operations.
class UndoGuard {
public:
    UndoGuard();
    ~UndoGuard();
    UndoGuard(const UndoGuard&) = delete;
    UndoGuard& operator=(const UndoGuard&) = delete;
};

// Makes SIGINT, SIGTERM and SIGHUP run every registered step and then end the process as the
// signal would have; one the process ignores (nohup) stays ignored. Call it first thing in
// main(), before any other thread exists: the signals are then held back in every thread and
// taken by one thread of their own, which waits for the changes under way (UndoGuard) before it
// runs the steps. For programs without an event loop that would end them in order (the
// command-line tool).
void installSignalUndo();

} // namespace morvent
