// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#pragma once

#include "ControllerExchange.h"
#include "Frames.h"
#include "RequestCycle.h"
#include "TComm.h"

#include <chrono>
#include <cstdint>
#include <functional>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>
#include <utility>

class QEventLoop;

namespace morvent {

// How a command-line run ends; the numbers are the program's exit codes, and kOutcomeMeanings
// says what each one means.
enum class Outcome : int {
    Success = 0,
    Failure = 1,
    InvalidInput = 2,
    FieldRefused = 3,
    NoReply = 4,
    PortUnavailable = 5,
    KeptAside = 6,
};

// Every exit code with its meaning, as the help text lists them.
inline constexpr std::pair<Outcome, std::string_view> kOutcomeMeanings[] = {
    {Outcome::Success, "success"},
    {Outcome::Failure,
     "any other failure (out of memory, an error of the system), with its message"},
    {Outcome::InvalidInput, "invalid input (arguments, file or a value out of range)"},
    {Outcome::FieldRefused, "a field refused by the controller"},
    {Outcome::NoReply, "no reply from the controller"},
    {Outcome::PortUnavailable, "the port cannot be opened or reopened, or the line hung up (a "
                               "write names the blocks already written)"},
    {Outcome::KeptAside,
     "read: the file changed while the controller was read (another run saved it), so it is "
     "left as it is and this run's values are kept in the copy named"},
};

// Which of two outcomes a run over several ports ends with: the worse, an error before values
// kept aside, and those before success.
inline Outcome worseOf(Outcome a, Outcome b) {
    const auto rank = [](Outcome o) {
        return o == Outcome::KeptAside ? 1 : o == Outcome::Success ? 0 : 1 + static_cast<int>(o);
    };
    return rank(a) >= rank(b) ? a : b;
}

class SessionError : public std::runtime_error {
public:
    SessionError(Outcome outcome, const std::string& message)
        : std::runtime_error(message), m_outcome(outcome) {}
    Outcome outcome() const { return m_outcome; }

private:
    Outcome m_outcome;
};

// One controller on one port, driven the way the window drives it (the same frames, the same
// waits before each request, the port reopened after each reply, here just before the next
// request) but without widgets and, unlike the window, at the speed of the line and never
// waiting for ever: a reply is taken the moment its last byte arrives rather than after the
// interval's silence, a reply that does not come within the timeout ends the session with
// NoReply, a line that hangs up or a port that will not open again with PortUnavailable. What
// ends a reply is its request's, handed to the port's reader as the request goes out together
// with where the reply starts; the probing's identity rule is the port's from its opening.
class ControllerSession : private ExchangeLine {
public:
    // `timing`: the line's waits, the controller's own unless a test shortens them.
    ControllerSession(const std::string& device, std::chrono::milliseconds timeout,
                      const LineTiming& timing = kControllerTiming);

    // Opens the port and probes the rates as "Connect" does, once through the list, starting
    // with `first` when given (the rate that answered last time); returns the identity reply,
    // tested as read does.
    Bytes connect(const std::function<void(std::uint32_t baud)>& probing = {},
                  std::optional<std::uint32_t> first = std::nullopt);
    // The rate the controller answered the connect request at; 0 before it has.
    std::uint32_t answeredRate() const { return m_answeredRate; }
    // Bytes the controller sent beyond what its replies hold, dropped unread.
    std::uint64_t droppedBytes() const { return m_comm.droppedBytes(); }

    // Sends a read request and returns the reply, whole and with the command's length and a good
    // checksum (readReplyFlaw); any other answer ends the session with NoReply. The blocks are
    // read and written by running the request cycle's chains (run).
    Bytes read(Command command);

    // Runs an action through the request cycle as the window does, each reply taken the moment
    // it is whole and handed back to the cycle, until nothing more is sent: `pages` carries out
    // what concerns the values and the messages (with lastReply() for the reply they are about),
    // the session the frames and the reopens. Each frame is shown to `pages` as it goes out, as
    // the SendRead or SendWrite step that sent it. Each reply is tested as read() and write()
    // test theirs, a missing or flawed one ending the session; a status the cycle stops at, and
    // so what is still awaited after it, the caller judges.
    void run(RequestCycle& cycle, Steps steps, RequestCycle::Hands& pages);
    // The reply the cycle's steps are about while run() carries them out.
    std::span<const std::uint8_t> lastReply() const { return m_taken; }

private:
    // The line as the probing and the exchange drive it: a reply is waited for on the spot.
    void setRate(std::uint32_t baud) override;
    void expectReply(ReplyWhole whole) override;
    // The reopen after the last reply, within the quiet before the next request.
    void prepareRequest() override;
    void quietUntil(std::chrono::steady_clock::time_point until) override;
    bool send(const Bytes& frame) override;
    // None after the timeout.
    void awaitReply(std::uint8_t code, PendingRequestKind awaiting) override;
    void listen(std::chrono::milliseconds time) override;

    // The reply to `frame`, awaited as `awaiting`, when it is whole and sound (replyFlaw, as for
    // a single request); otherwise the session ends with NoReply, saying what came instead.
    Bytes answer(const Bytes& frame, PendingRequestKind awaiting, std::optional<Bytes> reply) const;
    // Sends a request or write frame and returns its reply, none after the timeout.
    std::optional<Bytes> exchange(const Bytes& frame, PendingRequestKind awaiting);
    // Returns early when the line hangs up.
    std::optional<Bytes> awaitChunk(std::chrono::milliseconds timeout);
    void reopen();
    [[noreturn]] void portLost(const ECommsError& error) const;
    [[noreturn]] void hungUp(const std::string& what) const;
    [[noreturn]] void noReply(const std::string& what) const;

    TComm m_comm;
    // What ends the reply to the request about to go out, handed to the reader as it goes.
    std::optional<ReplyWhole> m_replyEnding;
    std::chrono::milliseconds m_timeout;
    std::optional<Bytes> m_chunk;
    // The last reply taken, and the frame it answers.
    std::optional<Bytes> m_reply;
    Bytes m_sent;
    bool m_hungUp = false;
    bool m_reopenDue = false;
    std::uint32_t m_answeredRate = 0;
    QEventLoop* m_waiting = nullptr;
    Bytes m_taken;
};

} // namespace morvent
