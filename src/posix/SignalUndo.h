#pragma once

namespace morvent {

// An undo step that must run even when the process is ended by SIGINT, SIGTERM or SIGHUP: a
// serial line's own settings put back, a half-written temporary file removed. The step runs
// inside a signal handler, so it may make async-signal-safe calls only: no allocation, no locks,
// no Qt.
using UndoStep = void (*)(const void* data);

// Holds one registered step for as long as it lives; `data` must outlive it. Registration and
// release are lock-free, so any thread may hold one. Without installSignalUndo() the steps are
// kept but never run.
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

// Installs handlers for SIGINT, SIGTERM and SIGHUP that run every registered step and then end
// the process as the signal would have. A signal ignored when the program started stays ignored.
// For programs without an event loop that would end them in order (the command-line tool).
void installSignalUndo();

} // namespace morvent
