// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#pragma once

#include "CommTypes.h"
#include "CommWorker.h"
#include "ReadTiming.h"

#include <atomic>
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <mutex>

namespace morvent {

// Reads the port while it is open and hands what arrives to the component in chunks of up to
// 1024 bytes: a chunk ends when the interval timeout passes without a further byte, when the
// total timeout runs out, when 1024 bytes are in hand, or, given a test of whole replies, as soon
// as the bytes in hand make one. It also watches line errors and
// modem-line changes on devices that count them. It ends when the stop event is signalled (at
// once, ahead of anything else that is ready), when the port becomes invalid, or when the device
// goes away, in which case it first hands over what it had and posts a hang-up.
class TReadThread : public CommWorker {
public:
    static constexpr std::size_t kChunkSize = 1024;

    TReadThread(int port, const EventFd& stopEvent, NotificationQueue& notifications,
                const SerialSystem& system);
    ~TReadThread();

    bool start();

    // May be called from the component's thread while the reader runs; the next wait uses them.
    void setTimeouts(const CommTimeouts& timeouts) { m_timing.setTimeouts(timeouts); }
    void setIgnoreNullChar(bool ignore) { m_ignoreNullChar.store(ignore); }
    // Before start(): the reader then ends a chunk also as soon as it holds a whole reply.
    void setReplyComplete(ReplyComplete complete) {
        m_timing.setReplyComplete(std::move(complete));
    }
    // While it runs, from the component's thread: the reply awaited next starts with the next
    // byte read and ends as `complete` says. Under the reader's lock, so that no byte is read
    // in between: what the device holds now is flushed and what the reader holds is dropped.
    void startReply(ReplyComplete complete);

private:
    enum class Outcome { Continue, Stop };

    void run();
    // How long the next wait may last; negative: until something happens.
    std::chrono::milliseconds waitMilliseconds(std::size_t count) const;
    Outcome readAvailable(std::uint8_t* buffer, std::size_t& count, short events);
    void deliver(const std::uint8_t* bytes, std::size_t count);
    void checkLineCounters();

    ReadTiming m_timing{kChunkSize};
    std::atomic<bool> m_ignoreNullChar{false};
    // Held by the reader from a read to the chunk it may end, and by startReply(): the rule of
    // m_timing and the reply's start change only between two reads.
    std::mutex m_lock;
    // The bytes in hand came before the awaited reply; taken by the reader under m_lock.
    bool m_replyStarts = false;

    // Only the reader thread touches these.
    bool m_countersKept = false;
    std::uint32_t m_lastCounters[7] = {};
};

} // namespace morvent
