// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#pragma once

#include "CommWorker.h"
#include "WinHandle.h"
#include "WriteQueue.h"

#include <cstdint>
#include <vector>

namespace morvent {

// Writes queued buffers to the port with overlapped writes, each one whole and in the order
// queued, and tells the component each time its queue has run empty after writing (and once at
// the start). It waits on its queue's event together with the stop event; a pending write is
// abandoned, and the rest of the queue dropped, as soon as the stop event is signalled. A write
// that fails or moves fewer bytes than asked (a write timeout, an adapter pulled) is a hang-up.
class TWriteThread : public CommWorker {
public:
    TWriteThread(Handle port, Handle stopEvent, NotificationQueue& notifications,
                 const SerialSystem& system);
    ~TWriteThread();

    // Creates the queue's event and starts the thread; false if either cannot be had.
    bool start();

    // Called from the component's thread. False once the writer has ended: nobody would write it.
    bool enqueue(std::vector<std::uint8_t> bytes);

private:
    void run();
    bool writeWhole(const std::vector<std::uint8_t>& bytes, Handle written);

    WinHandle m_queueEvent;
    WriteQueue m_queue;
};

} // namespace morvent
