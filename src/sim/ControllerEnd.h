// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <span>
#include <string>

namespace morvent {

// The simulated controller's end of its line to the tool: a pseudo-terminal's master on POSIX, an
// in-process line (SimulatedLine.h) on Windows and in tests anywhere. It only moves bytes, tells
// the speed the tool set on its end, waits and drops the line; what the controller hears, when and
// how it answers and when it hangs up are decided above it, the same over either line.
//
// The controller's worker alone reads, writes, waits and drops the line; nudge() may come from any
// thread. Destroying the end closes it, which the tool's side sees as a hang-up.
class ControllerEnd {
public:
    using Clock = std::chrono::steady_clock;
    static constexpr Clock::time_point kNoDeadline = Clock::time_point::max();

    // What a wait is for besides a nudge and the deadline.
    enum class Await { Nothing, Readable, Writable };
    enum class Woken { Ready, Nudged, Elapsed };
    struct Received {
        std::size_t count = 0;
        // The speed the bytes came at: on the in-process line the one the tool had set when it
        // wrote them; a pseudo-terminal tells only the one set now, which is as close as it gets.
        unsigned baud = 0;
    };

    ControllerEnd() = default;
    ControllerEnd(const ControllerEnd&) = delete;
    ControllerEnd& operator=(const ControllerEnd&) = delete;
    virtual ~ControllerEnd() = default;

    // What the tool opens as its port: a device path such as "/dev/pts/7", or a line's name.
    virtual std::string toolName() const = 0;

    // Ends the wait in progress, or else the next one, with Woken::Nudged. Nudges before a wait
    // count once.
    virtual void nudge() = 0;
    // Waits until bytes from the tool are there (Readable) or there is room towards it (Writable),
    // a nudge, or the deadline. Ready may also mean the line failed, which the next read or write
    // then tells. Once the line is dropped, Readable never comes.
    virtual Woken wait(Await what, Clock::time_point deadline) = 0;

    // Takes what the tool sent, up to the buffer's size and all at one speed: how many bytes (0:
    // none there now) and their speed; nothing when the line failed or is dropped.
    virtual std::optional<Received> read(std::span<std::uint8_t> buffer) = 0;
    // Puts as many bytes on the line as it has room for: how many (0: no room now); nothing when
    // the line failed or is dropped.
    virtual std::optional<std::size_t> write(std::span<const std::uint8_t> bytes) = 0;

    // The speed the tool set on its end; 0 for one no controller runs at.
    virtual unsigned toolBaud() const = 0;
    // Bytes on the line towards the tool that it has not read yet; 0 once the line vanished.
    virtual int unreadByTool() const = 0;

    // Drops the line, as a pulled cable: the tool's side sees a hang-up and loses what it had not
    // read. The tool's name stays taken until the end is destroyed.
    virtual void hangUp() = 0;
    // Drops the line and lets go of the name too, as an adapter pulled from its socket: once the
    // tool has closed its port, there is no port of that name any more.
    virtual void vanish() = 0;
};

// An end on the system's own kind of line: a new pseudo-terminal on POSIX, a new in-process line
// on Windows. Throws std::system_error when the system has none to give.
std::unique_ptr<ControllerEnd> openControllerEnd();
// An end on a new in-process line, on every system; the tool opens it with SimulatedLine::open().
std::unique_ptr<ControllerEnd> openSimulatedLineEnd();

} // namespace morvent
