// SPDX-License-Identifier: GPL-3.0-or-later
// SPDX-FileCopyrightText: 2026 The morvent authors

#pragma once

#include "CommWorker.h"
#include "WriteQueue.h"

#include <cstdint>
#include <vector>

namespace morvent {

// Writes queued buffers to the port, each one whole and in the order queued, and tells the
// component each time its queue has run empty after writing (and once at the start). A pending
// write is abandoned, and the rest of the queue dropped, as soon as the stop event is signalled.
class TWriteThread : public CommWorker {
public:
    TWriteThread(int port, const EventFd& stopEvent, NotificationQueue& notifications,
                 const SerialSystem& system);
    ~TWriteThread();

    // Creates the queue's wake-up event and starts the thread; false if either cannot be had.
    bool start();

    // Called from the component's thread. False once the writer has ended: nobody would write it.
    bool enqueue(std::vector<std::uint8_t> bytes);

private:
    void run();
    bool writeWhole(const std::vector<std::uint8_t>& bytes);

    EventFd m_queueEvent{Descriptor()};
    WriteQueue m_queue;
};

} // namespace morvent
