// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#pragma once

#include "Frames.h"
#include "LineTiming.h"
#include "LiveReadingSource.h"
#include "RequestParser.h"

#include <array>
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <deque>
#include <map>
#include <optional>
#include <set>
#include <span>
#include <string>
#include <vector>

namespace morvent {

// The line speeds at which the tool may send the connect request.
inline constexpr std::array<unsigned, 5> kListenRates{1200, 9600, 19200, 38400, 115200};
bool isListenRate(unsigned baud);

// True for the codes of the command set, 0x50 to 0x56.
bool isCommandCodeKnown(std::uint8_t code);

// A reply and the way it is to be put on the line.
struct ControllerReply {
    Command command = Command::Identity;
    Bytes bytes;
    std::chrono::milliseconds delay{0}; // silence before the first byte
    std::size_t splitAt = 0;            // bytes sent before the pause; 0 sends the reply whole
    std::chrono::milliseconds splitPause{0};
};

struct ReceivedRequest {
    ControllerRequest request;
    unsigned lineBaud = 0;
    // Arrived at a speed at which the controller takes this kind of request. One that did not is
    // seen but not acted on.
    bool understood = false;
};

// The controller itself, without a line: its stored blocks, identity and firmware text, its live
// readings, how it answers requests, and the knobs with which tests make it misbehave. Not
// thread-safe; the simulated controller guards it with a lock.
class ControllerModel {
public:
    // The controller answers at this speed and takes everything but the connect request at it.
    static constexpr unsigned kReplyBaud = 9600;
    static constexpr std::chrono::milliseconds kDefaultSplitPause{150};
    static constexpr std::size_t kRequestLogCapacity = 1000;

    explicit ControllerModel(std::uint32_t seed = 1);

    // Takes bytes as they came off the line, in chunks of any size, with the speed at which the
    // tool sent them, and returns the replies to every request they complete. Bytes sent at a
    // speed the controller is not listening at reach it as noise and are lost, and so is a
    // partial frame when the speed changes.
    std::vector<ControllerReply> feed(std::span<const std::uint8_t> bytes,
                                      unsigned lineBaud = kReplyBaud);

    Bytes image(Command block) const;
    // Stores a block as an accepted write would, without checking it.
    void setImage(Command block, Bytes payload);
    Bytes identity() const { return m_identity; }
    void setIdentity(Bytes identity);
    std::string firmwareText() const { return m_firmwareText; }
    void setFirmwareText(std::string text);
    // Some controllers send the identity's checksum 14 below the plain sum; the tool takes both.
    void setIdentityChecksumLowered(bool lowered) { m_identityChecksumLowered = lowered; }
    // The identity goes out under another reply's code, whole and with its checksum right: what
    // answers the connect request is then not this controller's identity.
    void setIdentityCode(Command code) { m_identityCode = code; }

    // From now on the live readings follow a rider pressing the pedals (see PedalPush).
    void startPedalPush(const PedalPush& push) { m_liveReadings.startPedalPush(push); }

    // The speed at which the connect request is understood (one of kListenRates).
    unsigned listenBaud() const { return m_listenBaud; }
    void setListenBaud(unsigned baud);

    // Writes of the block are refused at this payload byte whatever it holds.
    void refuseByte(Command block, std::size_t index);
    void clearRefusals() { m_refused.clear(); }

    // The next reply that goes out gets a wrong checksum.
    void corruptNextChecksum() { m_corruptNext = true; }
    // Every reply that starts with this code gets a wrong checksum.
    void setChecksumCorrupted(Command code, bool corrupted);

    // Requests are still acted on (a write is stored), but their replies are lost.
    void dropNextReplies(unsigned count) { m_dropNext = count; }
    void setDropAllReplies(bool drop) { m_dropAll = drop; }
    // Replies with this code are never sent: a controller that answers everything but that.
    void setRepliesDropped(Command code, bool drop) {
        drop ? void(m_droppedCodes.insert(code)) : void(m_droppedCodes.erase(code));
    }

    // Replies to reads with this code come without their payload, as code, 0 and checksum: the
    // checksum is right, yet nothing of the block, identity or readings is in them.
    void setRepliesEmptied(Command code, bool emptied) {
        emptied ? void(m_emptiedCodes.insert(code)) : void(m_emptiedCodes.erase(code));
    }

    void setReplyDelay(std::chrono::milliseconds delay);
    std::chrono::milliseconds replyDelay() const { return m_delay; }

    // Replies that start with this code go out in two parts, the first `offset` bytes, a pause,
    // then the rest. A pause above the tool's read interval makes its reader deliver two chunks;
    // without one given, the pause outlasts the read interval by a tenth of a second, so that a
    // reader kept from the processor for a moment on a busy machine still sees it.
    void setSplit(Command code, std::size_t offset,
                  std::optional<std::chrono::milliseconds> pause = std::nullopt);
    // The waits of the tool at the other end (its read interval above all), so that the model's
    // own pauses keep to them when a test shortens them.
    void setToolTiming(const LineTiming& timing) { m_toolReadInterval = timing.readInterval; }
    void clearSplit(Command code);

    // Requests seen with this code, whether or not understood.
    std::size_t requestCount(Command command) const;
    // The most recent requests seen, oldest first (at most kRequestLogCapacity).
    std::vector<ReceivedRequest> receivedRequests() const;
    std::size_t bytesReceived() const { return m_bytesReceived; }
    // Noise between frames plus everything that arrived at a speed nobody listens at.
    std::size_t bytesDiscarded() const { return m_bytesGarbled + m_parser.discardedBytes(); }

private:
    bool understands(const ControllerRequest& request, unsigned lineBaud) const;
    Bytes answer(const ControllerRequest& request);
    Bytes acknowledgeWrite(const ControllerRequest& request);
    std::optional<ControllerReply> sendOut(Command command, Bytes bytes);

    struct Split {
        std::size_t offset;
        std::chrono::milliseconds pause;
    };

    RequestParser m_parser;
    LiveReadingSource m_liveReadings;
    std::map<Command, Bytes> m_images;
    Bytes m_identity;
    std::string m_firmwareText;
    bool m_identityChecksumLowered = false;
    Command m_identityCode = Command::Identity;

    unsigned m_listenBaud = kReplyBaud;
    unsigned m_lastLineBaud = kReplyBaud;
    std::map<Command, std::set<std::size_t>> m_refused;
    bool m_corruptNext = false;
    std::set<Command> m_corrupted;
    unsigned m_dropNext = 0;
    bool m_dropAll = false;
    std::set<Command> m_droppedCodes;
    std::set<Command> m_emptiedCodes;
    std::chrono::milliseconds m_delay{0};
    std::map<Command, Split> m_splits;
    std::chrono::milliseconds m_toolReadInterval = kControllerLine.readInterval;

    std::map<Command, std::size_t> m_requestCounts;
    std::deque<ReceivedRequest> m_requestLog;
    std::size_t m_bytesReceived = 0;
    std::size_t m_bytesGarbled = 0;
};

} // namespace morvent
