// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#pragma once

#include "AwaitedRequest.h"
#include "Frames.h"
#include "LineTiming.h"

#include <chrono>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <vector>

namespace morvent {

// How the tool talks to the controller, once for the window and the command-line tool: the
// probing of the rates and the request/reply exchange, with the line's quiet before each frame.
// What differs between the two by design is the line they give (an ExchangeLine): the window
// waits for a reply on its event loop, the reply ending after the line's silence, and takes it
// through its dispatcher as what it awaits; the command-line tool waits for it on the spot, with
// a timeout, taking it the moment its last byte arrives.

// When a reply is taken as whole.
enum class ReplyEnd {
    // After the line's silence (the read interval), however many bytes came: a reply cut by a
    // pause is two replies.
    AfterSilence,
    // The moment its last byte arrives, its length known from its command and its length byte;
    // bytes that do not start such a reply still end by the silence.
    WhenWhole,
};

using ReplyWhole = std::function<bool(std::span<const std::uint8_t> received)>;

// What ends a reply to `command`, awaited as `awaiting`, besides the line's silence: nothing
// for AfterSilence.
ReplyWhole replyEnding(ReplyEnd end, Command command, PendingRequestKind awaiting);
// What ends the reply to `awaited`, as above; the silence alone while nothing is on its way.
ReplyWhole replyEnding(ReplyEnd end, const Awaited& awaited);

// What keeps a reply to `command`, awaited as `awaiting`, from being taken: a read reply's flaws
// when a read is awaited, an acknowledgement's when a write is.
ReplyFlaw replyFlaw(Command command, PendingRequestKind awaiting,
                    std::span<const std::uint8_t> reply);

// The rates one round of probing tries, in order: `first` when it is one of them (the rate that
// answered last time), then the others as kProbeRates lists them.
std::vector<std::uint32_t> probeOrder(std::optional<std::uint32_t> first = std::nullopt);
// The place in kProbeRates tried after `index`, the first again after the last.
std::size_t nextProbeIndex(std::size_t index);

// The line as the exchange needs it; each front end gives its own.
class ExchangeLine {
public:
    explicit ExchangeLine(ReplyEnd end, const LineTiming& timing = kControllerTiming)
        : m_end(end), m_timing(timing) {}
    virtual ~ExchangeLine() = default;
    ReplyEnd replyEnd() const { return m_end; }
    // The waits the exchange keeps on this line.
    const LineTiming& timing() const { return m_timing; }

    // Moves the line to another rate.
    virtual void setRate(std::uint32_t baud) = 0;
    // What ends the next reply besides the silence (empty: the silence only).
    virtual void expectReply(ReplyWhole whole) = 0;
    // What the line must do before a request, within the quiet before it (a reopen after the
    // last reply, where the line leaves that to the next request).
    virtual void prepareRequest() {}
    // Keeps the line quiet until then.
    virtual void quietUntil(std::chrono::steady_clock::time_point until) = 0;
    // False when the frame could not go out.
    virtual bool send(const Bytes& frame) = 0;
    // The reply to the request with this code, just sent and awaited as `awaiting`.
    virtual void awaitReply(std::uint8_t code, PendingRequestKind awaiting) = 0;
    // The identity reply to the connect request, listened for this long.
    virtual void listen(std::chrono::milliseconds time) = 0;

private:
    ReplyEnd m_end;
    LineTiming m_timing;
};

// One probing attempt at the rate the line is at: the quiet before the connect request, the
// request, the time it needs to leave at that rate, the line back at kLineRate, and the listening
// for the identity. False, and nothing after it, when the request could not be sent.
bool probe(ExchangeLine& line);

// One request or write frame: the quiet before it (the request pause), the frame, and the reply it
// awaits, ended as the line's ReplyEnd says. False, and nothing awaited, when it could not be
// sent.
bool request(ExchangeLine& line, const Bytes& frame, PendingRequestKind awaiting);

} // namespace morvent
