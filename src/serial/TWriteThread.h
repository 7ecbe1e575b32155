#pragma once

#include "NotificationQueue.h"
#include "SerialSystem.h"

#include <atomic>
#include <cstdint>
#include <deque>
#include <memory>
#include <mutex>
#include <thread>
#include <vector>

namespace morvent {

// Writes queued buffers to the port, each one whole and in the order queued, and tells the
// component each time its queue has run empty after writing (and once at the start). A pending
// write is abandoned, and the rest of the queue dropped, as soon as the stop event is signalled.
class TWriteThread {
public:
    TWriteThread(int port, int stopEvent, NotificationQueue& notifications,
                 const SerialSystem& system);
    ~TWriteThread();
    TWriteThread(const TWriteThread&) = delete;
    TWriteThread& operator=(const TWriteThread&) = delete;

    // Creates the queue's wake-up event and starts the thread; false if either cannot be had.
    bool start();
    void join();

    // Called from the component's thread. False once the writer has ended: nobody would write it.
    bool enqueue(std::vector<std::uint8_t> bytes);

private:
    void run();
    bool writeWhole(const std::vector<std::uint8_t>& bytes);
    bool takeNext(std::vector<std::uint8_t>& bytes);
    void postHangup();

    const int m_port;
    const int m_stopEvent;
    NotificationQueue& m_notifications;
    const SerialSystem& m_system;
    int m_queueEvent = -1;
    std::thread m_thread;
    std::atomic<bool> m_ended{false};

    std::mutex m_mutex;
    std::deque<std::vector<std::uint8_t>> m_queue;
};

} // namespace morvent
