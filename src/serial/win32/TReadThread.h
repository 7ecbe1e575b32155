// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#pragma once

#include "CommTypes.h"
#include "CommWorker.h"
#include "ReadTiming.h"

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <mutex>

namespace morvent {

// Reads the port while it is open, keeping one overlapped read and one overlapped wait for line
// status (line errors, carrier detect, ring) outstanding, and hands what arrives to the
// component in chunks of up to 1024 bytes. Two ways of ending a chunk:
// - the device's own read timeouts (COMMTIMEOUTS from the component's five properties): each
//   read that completes with bytes is one chunk, as a 100 ms interval makes one of a reply;
// - timed by the reader itself (timesChunks): the device hands over bytes as they arrive, and
//   the reader ends a chunk by the same timeouts, by a full chunk, or as soon as the bytes in
//   hand make a whole reply. For a component told how replies end, and for timeouts with which
//   the device would complete reads at once, empty.
// A read that completes empty (a total timeout) is simply made again. It ends when the stop
// event is signalled (at once, ahead of anything else that is ready), when the port handle has
// become invalid, or when a read or status wait fails (an adapter pulled), in which case it
// first hands over what it had and posts a hang-up. A device that reports no line status (a
// pseudo-terminal behind Wine's COM ports) is read all the same.
class TReadThread : public CommWorker {
public:
    static constexpr std::size_t kChunkSize = 1024;

    TReadThread(Handle port, Handle stopEvent, NotificationQueue& notifications,
                const SerialSystem& system);
    ~TReadThread();

    bool start();

    // May be called from the component's thread while the reader runs; the next wait uses them.
    void setTimeouts(const CommTimeouts& timeouts) { m_timing.setTimeouts(timeouts); }
    void setTimesChunks(bool itself) { m_timesChunks.store(itself); }
    // Before start(): the reader then ends a chunk also as soon as it holds a whole reply.
    void setReplyComplete(ReplyComplete complete) {
        m_timing.setReplyComplete(std::move(complete));
    }
    // While it runs, from the component's thread: the reply awaited next starts with the next
    // byte read and ends as `complete` says. Under the reader's lock, so that no read is taken
    // in between: the read under way is cancelled and what it brings dropped, what the device
    // holds now is purged, and what the reader holds is dropped.
    void startReply(ReplyComplete complete);

private:
    class Loop;
    void run();

    ReadTiming m_timing{kChunkSize};
    std::atomic<bool> m_timesChunks{false};
    // Held by the reader from the moment a wait ends until it waits again, and by startReply():
    // the rule of m_timing and the reply's start change only while the reader waits.
    std::mutex m_lock;
    // Under m_lock: the bytes in hand came before the awaited reply, and so did those of the
    // read under way, which was cancelled; that read's record (an OVERLAPPED), null while none
    // is under way.
    bool m_replyStarts = false;
    bool m_readCancelled = false;
    void* m_readUnderWay = nullptr;
};

} // namespace morvent
