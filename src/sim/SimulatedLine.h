// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#pragma once

#include "ControllerEnd.h"

#include <chrono>
#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <memory>
#include <mutex>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <utility>

namespace morvent {

// A serial line inside the process, between the simulated controller and the tool: where the
// system has no pseudo-terminals (Windows), the controller serves one of these and the serial
// component opens it by name instead of a COM port. Plain C++, no Qt and no system calls, so the
// same line runs and is tested on every system.
//
// It carries bytes both ways, the line speed the tool set on its end and a hang-up that the tool's
// end sees. Bytes reach the controller with the speed they were written at, as over a real wire
// (the controller hears a connect request only at its listening rate and everything else at 9600
// baud), so a tool may switch speeds right after writing. Each line is registered under a name no
// COM port has, "SIMULATED" for the first, then "SIMULATED2" and so on; the controller's end makes
// it (openSimulatedLineEnd() in ControllerEnd.h) and SimulatedController::devicePath() tells it.
//
// How the serial component drives it (TComm with its TReadThread and TWriteThread):
//
//   Opening. When SimulatedLine::isLineName(port) holds, the port is a simulated line and never a
//   COM port: open() it, and report "Error opening serial port" when that gives nothing (no such
//   line now, or its tool end is open already: a port is not shared). Set the line speed with
//   setBaud() where a real port gets its DCB.
//
//   TReadThread. The same loop as over a real port, with wait() in place of waiting on the port
//   and the stop event together, and read() in place of reading the port:
//       for (;;) {
//           switch (end.wait(what the read timeouts leave, SimulatedLine::kForever when none)) {
//           case Wait::Stopped:  end the thread                  (CloseComm)
//           case Wait::HungUp:   deliver what is in hand, post the hang-up, end the thread
//           case Wait::Readable: count += end.read(room left in the chunk)
//           case Wait::TimedOut: nothing came
//           }
//           deliver the chunk once it is full, its interval or total timeout is over, or it
//           holds a whole reply
//       }
//   available() is the input queue's length. There are no line errors and no modem-line
//   changes to report.
//
//   TWriteThread. Waits on its own queue as over a real port and hands each block to write(),
//   which takes it whole at once (the line never makes a writer wait); false means the line has
//   hung up, which the reader reports.
//
//   Closing. stop() ends the reader's wait at once, and every later one, from any thread: call it
//   where CloseComm signals its stop event, join both threads, purge() if the port is purged on
//   closing, then destroy the ToolEnd, which frees the line for the next open(). Bytes the
//   controller sent and the tool did not read stay on the line, as in a serial driver's buffer,
//   until read, purged or hung up.
class SimulatedLine {
public:
    static constexpr std::string_view kBaseName = "SIMULATED";
    // The speed the tool's end has until it sets one.
    static constexpr unsigned kInitialBaud = 9600;
    // Bytes towards the tool the line holds before the controller waits for room, about what a
    // pseudo-terminal holds.
    static constexpr std::size_t kCapacity = 4096;
    // A wait without a limit.
    static constexpr std::chrono::milliseconds kForever{-1};

    class ToolEnd;

    // A new line under the first free name; registered until it vanishes or is destroyed.
    static std::shared_ptr<SimulatedLine> create();
    ~SimulatedLine();
    SimulatedLine(const SimulatedLine&) = delete;
    SimulatedLine& operator=(const SimulatedLine&) = delete;

    const std::string& name() const { return m_name; }

    // Whether a port name belongs to the simulated lines (case aside, with or without the
    // device prefix "\\.\"), whether or not such a line is there now.
    static bool isLineName(std::string_view port);
    // Opens the tool's end of the line registered under `port`: nothing when there is no such
    // line, it has hung up, or its tool end is open already.
    static std::unique_ptr<ToolEnd> open(std::string_view port);

private:
    // The controller's side (ControllerEnd's operations, which see there).
    friend class SimulatedLineEnd;
    using Await = ControllerEnd::Await;
    using Woken = ControllerEnd::Woken;

    explicit SimulatedLine(std::string name) : m_name(std::move(name)) {}
    void nudge();
    Woken wait(Await what, ControllerEnd::Clock::time_point deadline);
    std::optional<ControllerEnd::Received> take(std::span<std::uint8_t> buffer);
    std::optional<std::size_t> put(std::span<const std::uint8_t> bytes);
    unsigned toolBaud() const;
    std::size_t unreadByTool() const;
    void hangUp();
    void unregister();

    const std::string m_name;
    mutable std::mutex m_mutex;
    std::condition_variable m_changed; // anything below changed
    // Bytes from the tool, in runs of one line speed each, as the tool wrote them.
    struct Run {
        unsigned baud;
        std::deque<std::uint8_t> bytes;
    };
    std::deque<std::uint8_t> m_toTool;
    std::deque<Run> m_toController;
    unsigned m_baud = kInitialBaud;
    bool m_hungUp = false;
    bool m_nudged = false;
    bool m_toolOpen = false;
};

// The tool's end of an open line, shaped for a serial component's reader and writer threads: any
// of these may be called from any thread.
class SimulatedLine::ToolEnd {
public:
    enum class Wait { Readable, TimedOut, Stopped, HungUp };

    ~ToolEnd();
    ToolEnd(const ToolEnd&) = delete;
    ToolEnd& operator=(const ToolEnd&) = delete;

    const std::string& name() const { return m_line->name(); }

    // Waits until bytes are there to read, the line hangs up, stop() is called, or the timeout
    // (kForever: none) runs out, and says which, in that order of precedence: Stopped first, and
    // Readable at once while unread bytes are there.
    Wait wait(std::chrono::milliseconds timeout);
    // Takes up to the buffer's size of what the controller sent; 0 when nothing is there.
    std::size_t read(std::span<std::uint8_t> buffer);
    // Bytes there to read now.
    std::size_t available() const;
    // Sends the bytes, all of them at once, at the speed set now; false when the line has hung up.
    bool write(std::span<const std::uint8_t> bytes);
    // Drops what the controller sent that has not been read.
    void purge();

    void setBaud(unsigned baud);
    unsigned baud() const;
    bool hungUp() const;

    // Ends every wait on this end, the one in progress and all later ones.
    void stop();

private:
    friend class SimulatedLine;
    explicit ToolEnd(std::shared_ptr<SimulatedLine> line) : m_line(std::move(line)) {}

    const std::shared_ptr<SimulatedLine> m_line;
    bool m_stopped = false; // under the line's lock
};

} // namespace morvent
